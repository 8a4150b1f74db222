// outfile_platform.hpp  The system calls under OutputFile: the exclusive temporary, its writes, its end
//                       cut back, its permission bits, its flush to disk and close, the rename into
//                       place and the folder's flush. One implementation for POSIX (outfile_posix.cpp),
//                       one for Windows (outfile_windows.cpp). Every error code is an errno value, or
//                       a Windows error code on Windows, as detail::why_code takes it.
#ifndef SOLARLON_IO_OUTFILE_PLATFORM_HPP
#define SOLARLON_IO_OUTFILE_PLATFORM_HPP

#include <cstddef>
#include <cstdint>
#include <string>

namespace solarlon::io::detail {

// FileHandle  An open temporary: a file descriptor, or a Windows HANDLE. kNoFile is none (-1, which is
//             also INVALID_HANDLE_VALUE).
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

// name_separators  The characters that end a folder in a file name: "/" (POSIX), "/\:" (Windows).
const char* name_separators() noexcept;

// new_file_mode  The permission bits a new file gets here: 0666 less the umask (POSIX); 0 on Windows,
//                which gives none.
unsigned new_file_mode();

// owned_by_user  The file NAME (not followed where it is a link) belongs to the user running the
//                program (its effective user; POSIX). Always true on Windows, which gives no mode.
bool owned_by_user(const std::string& name);

// read_only  The file NAME (which exists) is marked read-only, which keeps it from being replaced:
//            Windows only; false elsewhere, where the folder's permissions decide.
bool read_only(const std::string& name);

// Created  What create_new answers: the new file, or kNoFile and the error code, which says whether a
//          file of that name exists already (TAKEN) or the name is too long for the folder (TOO_LONG).
struct Created {
    FileHandle h = kNoFile;
    int err = 0;
    bool taken = false;
    bool too_long = false;
};

// create_new  Creates the file NAME for writing, exclusively (never a file or a link already there),
//             mode 0600 (POSIX). Call with the guarded signals held.
Created create_new(const std::string& name);

// write_some  Writes up to N bytes at P to H, at least one. Result: 0 and in GOT the bytes the system
//             confirmed, or the error code (a write that takes nothing is a full disk).
int write_some(FileHandle h, const char* p, std::size_t n, std::size_t& got);

// begin_writeback  The COUNT bytes of H from byte FROM on begin their way to the disk (Linux); only a
//                  hint, whose failure is the flush's to report. Elsewhere it does nothing.
void begin_writeback(FileHandle h, unsigned long long from, unsigned long long count) noexcept;

// cut_back  H ends after byte SIZE. Result: 0, or the error code.
int cut_back(FileHandle h, unsigned long long size);

// set_mode  H gets the permission bits MODE (POSIX; on Windows nothing is set). Result: 0, or the
//           error code.
int set_mode(FileHandle h, unsigned mode);

// flush_to_disk  H's data reach the disk (fsync; FlushFileBuffers). Result: 0, or the error code.
int flush_to_disk(FileHandle h);

// close_file  Closes H, which is gone even when that fails. Result: 0, or the error code.
int close_file(FileHandle h);

// rename_into_place  The closed file FROM takes the name TO, replacing what stands there. On Windows an
//                    old file whose name differs in case only is removed first, so that the output
//                    takes the name as formed. Call with the guarded signals held. Result: 0, or the
//                    error code.
int rename_into_place(const std::string& from, const std::string& to);

// FolderFlush  What flush_folder answers: 0 each, or the error code of the folder's fsync and of its
//              close.
struct FolderFlush {
    int flush = 0;
    int close = 0;
};

// flush_folder  The folder holding NAME reaches the disk, so that a rename in it lasts (POSIX). A folder
//               that cannot be opened, or a file system that cannot fsync a folder, answers 0; so does
//               Windows, whose rename was written through.
FolderFlush flush_folder(const std::string& name);

}  // namespace solarlon::io::detail

#endif
