// InputFile's system calls on Windows (infile_platform.hpp): CreateFileW, GetFileType, ReadFile,
// CloseHandle, and the comparison with standard input by volume and file index, or as consoles.
#ifdef _WIN32

#include "infile_platform.hpp"
#include "os.hpp"

namespace solarlon::io::detail {

namespace {

HANDLE handle_of(FileHandle h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

FileHandle open_input(const std::filesystem::path& path) {
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return h == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(h);
}

bool input_kind(FileHandle h, InputKind& kind) {
    const DWORD type = GetFileType(handle_of(h));  // a disk file, a pipe, or a character device (NUL, COM1, CON)
    kind = type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE ? InputKind::readable : InputKind::other;
    return true;
}

long long read_input(FileHandle h, char* to, std::size_t cap, int& err) {
    DWORD got = 0;
    const DWORD want = cap > 0x40000000u ? 0x40000000u : static_cast<DWORD>(cap);
    if (ReadFile(handle_of(h), to, want, &got, nullptr)) return got;
    const DWORD e = GetLastError();
    if (e == ERROR_BROKEN_PIPE || e == ERROR_HANDLE_EOF) return 0;
    err = static_cast<int>(e);
    return -1;
}

void close_input(FileHandle h) noexcept { CloseHandle(handle_of(h)); }

bool is_console_input(FileHandle h) {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE own = handle_of(h);
    if (in == nullptr || in == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    if (GetFileType(own) == FILE_TYPE_CHAR) return GetConsoleMode(own, &mode) && GetConsoleMode(in, &mode);
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!GetFileInformationByHandle(own, &a) || !GetFileInformationByHandle(in, &b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace solarlon::io::detail

#endif
