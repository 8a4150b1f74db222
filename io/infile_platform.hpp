// infile_platform.hpp  The system calls under InputFile: the input opened for reading, what kind of
//                      file it is, its reads and its close, and whether it is the program's own
//                      standard input. One implementation for POSIX (infile_posix.cpp), one for
//                      Windows (infile_windows.cpp). Error codes as detail::why_code takes them.
#ifndef SOLARLON_IO_INFILE_PLATFORM_HPP
#define SOLARLON_IO_INFILE_PLATFORM_HPP

#include <cstddef>
#include <filesystem>

#include "outfile_platform.hpp"

namespace solarlon::io::detail {

// InputKind  What an open input is: a regular file or a pipe (read as a stream), a directory, or
//            another kind (a device, a socket, a console).
enum class InputKind { readable, directory, other };

// open_input  PATH opened for reading (never as a controlling terminal); kNoFile when it cannot be.
FileHandle open_input(const std::filesystem::path& path);

// input_kind  What H is; false when the system cannot say.
bool input_kind(FileHandle h, InputKind& kind);

// read_input  Up to CAP bytes into TO, waiting for one at least. Result: the count, 0 at the end (a
//             pipe whose writer has gone ends it too); -1 with ERR the error code of a failed read.
long long read_input(FileHandle h, char* to, std::size_t cap, int& err);

// close_input  H closed (read only: nothing of the file depends on the close).
void close_input(FileHandle h) noexcept;

// is_console_input  H is the program's own standard input: the same file, pipe or terminal reopened
//                   (/dev/stdin, /dev/fd/0; the console on Windows), not a device that keeps no data.
bool is_console_input(FileHandle h);

}  // namespace solarlon::io::detail

#endif
