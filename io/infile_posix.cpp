// InputFile's system calls on POSIX (infile_platform.hpp): open, fstat, read, close, and the
// comparison with standard input by device and inode.
#ifndef _WIN32

#include <cerrno>

#include "infile_platform.hpp"
#include "os.hpp"

namespace solarlon::io::detail {

FileHandle open_input(const std::filesystem::path& path) {
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? kNoFile : fd;
}

bool input_kind(FileHandle h, InputKind& kind) {
    struct stat s;  // what was opened, which a rename since a check of the name may have changed
    if (::fstat(static_cast<int>(h), &s) != 0) return false;
    kind = S_ISDIR(s.st_mode)                          ? InputKind::directory
           : S_ISREG(s.st_mode) || S_ISFIFO(s.st_mode) ? InputKind::readable
                                                       : InputKind::other;
    return true;
}

long long read_input(FileHandle h, char* to, std::size_t cap, int& err) {
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(h), to, cap);
        if (got >= 0) return got;
        if (errno != EINTR) {
            err = errno;
            return -1;
        }
    }
}

void close_input(FileHandle h) noexcept { ::close(static_cast<int>(h)); }

bool is_console_input(FileHandle h) {
    struct stat a, b;
    if (::fstat(static_cast<int>(h), &a) != 0 || ::fstat(STDIN_FILENO, &b) != 0) return false;
    if (a.st_dev != b.st_dev || a.st_ino != b.st_ino) return false;
    // A device that keeps no data between readers (/dev/null, /dev/zero) is no shared input.
    return !S_ISCHR(a.st_mode) || ::isatty(static_cast<int>(h)) != 0;
}

}  // namespace solarlon::io::detail

#endif
