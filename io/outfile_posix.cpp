// OutputFile's system calls on POSIX (outfile_platform.hpp): a file descriptor created O_EXCL and
// O_NOFOLLOW, write, ftruncate, fchmod, fsync, close, rename and the folder's fsync; the umask.
#ifndef _WIN32

#include <cerrno>
#include <cstdio>
#include <string>

#include "os.hpp"
#include "outfile_platform.hpp"

namespace solarlon::io::detail {

namespace {

// The folder holding NAME, for its fsync after the rename.
std::string folder_of(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return name.substr(0, slash);
}

}  // namespace

const char* name_separators() noexcept { return "/"; }

// The umask can only be read by setting it, so it is set back at once (the program has one thread).
unsigned new_file_mode() {
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

bool owned_by_user(const std::string& name) {
    struct stat s;
    return ::lstat(name.c_str(), &s) == 0 && s.st_uid == ::geteuid();
}

bool read_only(const std::string&) { return false; }

Created create_new(const std::string& name) {
    Created c;
    // 0600 while it is written: nobody else reads the records before they are final.
    int fd;
    do fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) c.err = errno;
    c.h = fd;
    c.taken = c.err == EEXIST;
    c.too_long = c.err == ENAMETOOLONG;
    return c;
}

int write_some(FileHandle h, const char* p, std::size_t n, std::size_t& got) {
    for (;;) {
        const ssize_t k = ::write(static_cast<int>(h), p, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (k == 0) return ENOSPC;
        got = static_cast<std::size_t>(k);
        return 0;
    }
}

#if defined(__linux__)
void begin_writeback(FileHandle h, unsigned long long from, unsigned long long count) noexcept {
    ::sync_file_range(static_cast<int>(h), static_cast<off_t>(from), static_cast<off_t>(count), SYNC_FILE_RANGE_WRITE);
}
#else
void begin_writeback(FileHandle, unsigned long long, unsigned long long) noexcept {}
#endif

int cut_back(FileHandle h, unsigned long long size) {
    int rc;
    do rc = ::ftruncate(static_cast<int>(h), static_cast<off_t>(size));
    while (rc != 0 && errno == EINTR);
    return rc != 0 ? errno : 0;
}

int set_mode(FileHandle h, unsigned mode) {
    return ::fchmod(static_cast<int>(h), static_cast<mode_t>(mode)) != 0 ? errno : 0;
}

int flush_to_disk(FileHandle h) { return ::fsync(static_cast<int>(h)) != 0 ? errno : 0; }

int close_file(FileHandle h) { return ::close(static_cast<int>(h)) == 0 ? 0 : errno; }

int rename_into_place(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) != 0 ? errno : 0;
}

FolderFlush flush_folder(const std::string& name) {
    FolderFlush r;
    const std::string dir = folder_of(name);
    const int d = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0) return r;
    const int rc = ::fsync(d);
    const int e = errno;
    const int rcc = ::close(d);
    const int ec = errno;
    // Some file systems cannot fsync a folder.
    if (rc != 0 && e != EINVAL && e != ENOTSUP && e != EBADF) r.flush = e;
    if (rcc != 0) r.close = ec;
    return r;
}

}  // namespace solarlon::io::detail

#endif
