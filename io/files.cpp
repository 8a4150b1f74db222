// trimmed, open_old, InputFile, same_file  The input files of the file modes.
#include "io/files.hpp"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <solarlon/io.hpp>

#include "detail.hpp"
#include "os.hpp"

namespace solarlon::io {

namespace fs = std::filesystem;

std::string trimmed(std::string_view name) {
    const std::size_t a = name.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::string();
    const std::size_t b = name.find_last_not_of(' ');
    return std::string(name.substr(a, b - a + 1));
}

namespace {

// What is refused before it is opened: a block device, a socket and the kinds a system adds. A
// character device is looked at once open, since the program's own terminal is refused by name.
bool refused_kind(fs::file_type t) {
    return t == fs::file_type::block || t == fs::file_type::socket || t == fs::file_type::unknown;
}

// The failure of an input NAME that is no file: a device, a socket or another kind.
[[noreturn]] void not_a_file(const std::string& name) {
    throw Failure(Kind::File, "not a regular file: " + shown(name));
}

}  // namespace

std::unique_ptr<InputFile> open_old(std::string_view name) {
    const std::string n = trimmed(name);
    if (n.empty()) throw Failure(Kind::File, "no file name given");
    std::error_code ec;
    const fs::path p = detail::path_of(n);
    const fs::file_status st = fs::status(p, ec);
    if (st.type() == fs::file_type::not_found) throw Failure(Kind::File, "file not found: " + shown(n));
    if (st.type() == fs::file_type::directory) throw Failure(Kind::File, "is a directory, not a file: " + shown(n));
    if (refused_kind(st.type())) not_a_file(n);
#ifdef _WIN32
    HANDLE h = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    std::unique_ptr<InputFile> f(new InputFile(n, reinterpret_cast<std::intptr_t>(h)));
    const DWORD type = GetFileType(h);  // a disk file, a pipe, or a character device (NUL, COM1, CON)
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE && !f->is_standard_input()) not_a_file(n);
    return f;
#else
    int fd;
    do fd = ::open(p.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    std::unique_ptr<InputFile> f(new InputFile(n, fd));
    struct stat s;  // what was opened, which a rename since the check may have changed
    if (::fstat(fd, &s) != 0) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    if (S_ISDIR(s.st_mode)) throw Failure(Kind::File, "is a directory, not a file: " + shown(n));
    // A device would be read without end (/dev/zero, /dev/urandom) or take what the user types.
    if (!S_ISREG(s.st_mode) && !S_ISFIFO(s.st_mode) && !f->is_standard_input()) not_a_file(n);
    return f;
#endif
}

InputFile::~InputFile() {
#ifdef _WIN32
    CloseHandle(reinterpret_cast<HANDLE>(h_));
#else
    ::close(static_cast<int>(h_));  // read only: nothing of the file depends on the close
#endif
}

std::size_t InputFile::fill(char* to, std::size_t cap) {
#ifdef _WIN32
    DWORD got = 0;
    const DWORD want = cap > 0x40000000u ? 0x40000000u : static_cast<DWORD>(cap);
    if (!ReadFile(reinterpret_cast<HANDLE>(h_), to, want, &got, nullptr)) {
        const DWORD e = GetLastError();
        if (e == ERROR_BROKEN_PIPE || e == ERROR_HANDLE_EOF) return 0;
        throw Failure(Kind::Input, "cannot read " + shown(name_) + ": " + detail::why_code(static_cast<int>(e)));
    }
    return got;
#else
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(h_), to, cap);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) throw Failure(Kind::Input, "cannot read " + shown(name_) + ": " + detail::why());
    }
#endif
}

bool InputFile::is_standard_input() const {
#ifdef _WIN32
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE own = reinterpret_cast<HANDLE>(h_);
    if (in == nullptr || in == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    if (GetFileType(own) == FILE_TYPE_CHAR) return GetConsoleMode(own, &mode) && GetConsoleMode(in, &mode);
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!GetFileInformationByHandle(own, &a) || !GetFileInformationByHandle(in, &b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
#else
    struct stat a, b;
    if (::fstat(static_cast<int>(h_), &a) != 0 || ::fstat(STDIN_FILENO, &b) != 0) return false;
    if (a.st_dev != b.st_dev || a.st_ino != b.st_ino) return false;
    // A device that keeps no data between readers (/dev/null, /dev/zero) is no shared input.
    return !S_ISCHR(a.st_mode) || ::isatty(static_cast<int>(h_)) != 0;
#endif
}

bool holds_file(std::string_view name) {
    std::error_code ec;
    return fs::is_regular_file(detail::path_of(trimmed(name)), ec);
}

bool same_file(std::string_view a, std::string_view b) {
    const std::string na = trimmed(a), nb = trimmed(b);
    if (na == nb) return true;
    std::error_code ec;
    const bool same = fs::equivalent(detail::path_of(na), detail::path_of(nb), ec);
    return !ec && same;
}

}  // namespace solarlon::io
