// OutputFile's system calls on Windows (outfile_platform.hpp): a HANDLE created CREATE_NEW, WriteFile,
// SetEndOfFile, FlushFileBuffers, CloseHandle and MoveFileExW; the read-only attribute.
#ifdef _WIN32

#include <filesystem>
#include <string>

#include "detail.hpp"
#include "os.hpp"
#include "outfile_platform.hpp"

namespace solarlon::io::detail {

namespace {

HANDLE handle_of(FileHandle h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

const char* name_separators() noexcept { return "/\\:"; }

unsigned new_file_mode() { return 0; }

bool owned_by_user(const std::string&) { return true; }

bool read_only(const std::string& name) {
    const DWORD attrs = GetFileAttributesW(path_of(name).c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY) != 0;
}

Created create_new(const std::string& name) {
    Created c;
    const HANDLE h =
        CreateFileW(path_of(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) c.err = static_cast<int>(GetLastError());
    c.h = reinterpret_cast<FileHandle>(h);
    c.taken = c.err == ERROR_FILE_EXISTS || c.err == ERROR_ALREADY_EXISTS;
    c.too_long = c.err == ERROR_FILENAME_EXCED_RANGE;
    return c;
}

int write_some(FileHandle h, const char* p, std::size_t n, std::size_t& got) {
    DWORD k = 0;
    const DWORD want = n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n);
    if (!WriteFile(handle_of(h), p, want, &k, nullptr)) return static_cast<int>(GetLastError());
    if (k == 0) return static_cast<int>(ERROR_HANDLE_DISK_FULL);
    got = static_cast<std::size_t>(k);
    return 0;
}

void begin_writeback(FileHandle, unsigned long long, unsigned long long) noexcept {}

int cut_back(FileHandle h, unsigned long long size) {
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(handle_of(h), at, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_of(h)))
        return static_cast<int>(GetLastError());
    return 0;
}

int set_mode(FileHandle, unsigned) { return 0; }

int flush_to_disk(FileHandle h) { return FlushFileBuffers(handle_of(h)) ? 0 : static_cast<int>(GetLastError()); }

int close_file(FileHandle h) { return CloseHandle(handle_of(h)) ? 0 : static_cast<int>(GetLastError()); }

int rename_into_place(const std::string& from, const std::string& to) {
    const std::filesystem::path dest = path_of(to);
    // An old output whose name differs in case only is removed first, so that the output takes the
    // name as formed (a replace would keep the old spelling).
    WIN32_FIND_DATAW found;
    const HANDLE look = FindFirstFileW(dest.c_str(), &found);
    if (look != INVALID_HANDLE_VALUE) {
        FindClose(look);
        if (dest.filename().wstring() != found.cFileName) DeleteFileW(dest.c_str());
    }
    if (!MoveFileExW(path_of(from).c_str(), dest.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return static_cast<int>(GetLastError());
    return 0;
}

// The rename was written through (MOVEFILE_WRITE_THROUGH): no folder to flush.
FolderFlush flush_folder(const std::string&) { return FolderFlush(); }

}  // namespace solarlon::io::detail

#endif
