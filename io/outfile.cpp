// OutputFile  A file mode's output: a temporary beside it, written through a buffer of its own and
//             renamed into place when whole.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include <solarlon/io.hpp>

#include "detail.hpp"
#include "io/files.hpp"
#include "os.hpp"

namespace solarlon::io {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 64 * 1024;          // bytes written at a time
constexpr unsigned long long kEarly = 1024 * 1024;  // bytes after which their way to the disk begins

constexpr std::size_t kComponent = 255;  // bytes of one name in a folder, on the file systems in use
constexpr int kTries = 100;              // temporary names tried before giving up

#ifdef _WIN32
using Handle = HANDLE;
const Handle kNone = INVALID_HANDLE_VALUE;
constexpr const char* kSeparators = "/\\:";
#else
using Handle = int;
constexpr Handle kNone = -1;
constexpr const char* kSeparators = "/";

// The folder holding NAME, for its fsync after the rename.
std::string folder_of(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return name.substr(0, slash);
}

// The permission bits a new file gets here: 0666 less the umask. The umask can only be read by
// setting it, so it is set back at once (the program has one thread).
unsigned new_file_mode() {
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}
#endif

// A temporary's name for NAME: NAME.unfinished-R, or, where the last component of NAME leaves no room
// for the suffix, .unfinished-R in the same folder. R is 64 bits from the system's generator, so the
// name cannot be foreseen and planted.
std::string temporary_for(const std::string& name, bool short_form) {
    std::random_device rd;
    const std::uint64_t r = (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
    char tail[40];
    std::snprintf(tail, sizeof tail, ".unfinished-%016llx", static_cast<unsigned long long>(r));
    if (!short_form) return name + tail;
    const std::size_t sep = name.find_last_of(kSeparators);
    return (sep == std::string::npos ? std::string() : name.substr(0, sep + 1)) + tail;
}

// Whether the last component of NAME with the suffix of a temporary is longer than a folder takes.
bool no_room(const std::string& name) {
    const std::size_t sep = name.find_last_of(kSeparators);
    const std::size_t last = sep == std::string::npos ? name.size() : name.size() - sep - 1;
    return last + std::strlen(".unfinished-0123456789abcdef") > kComponent;
}

}  // namespace

struct OutputFile::Impl {
    Handle h = kNone;
    detail::Guard guard;
    std::unique_ptr<char[]> buf = std::make_unique<char[]>(kBuffer);
    std::size_t len = 0;             // bytes in BUF not yet written
    unsigned long long written = 0;  // bytes the system confirmed
    unsigned long long whole = 0;    // of them, those up to and with the last LF: whole records
    unsigned long long started = 0;  // of them, those already on their way to the disk
    bool write_failed = false;       // what is buffered is not to be written any more
    bool replaces = false;           // something stood under the name when the run began
    unsigned mode = 0;               // the new output's permission bits (never setuid, setgid, sticky)
    bool done = false;               // renamed into place, or removed
    bool placed = false;             // renamed into place

    // put  N bytes at P to the file, each once. Result: 0, or the error code of a write that failed.
    int put(const char* p, std::size_t n) {
        while (n > 0) {
#ifdef _WIN32
            DWORD got = 0;
            const DWORD want = n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n);
            if (!WriteFile(h, p, want, &got, nullptr)) return static_cast<int>(GetLastError());
            if (got == 0) return static_cast<int>(ERROR_HANDLE_DISK_FULL);
#else
            const ssize_t got = ::write(h, p, n);
            if (got < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            if (got == 0) return ENOSPC;
#endif
            const std::size_t k = static_cast<std::size_t>(got);
            for (std::size_t i = k; i > 0; --i)
                if (p[i - 1] == '\n') {
                    whole = written + i;
                    break;
                }
            written += k;
            p += k;
            n -= k;
        }
#if defined(__linux__)
        // The disk writes begin while the conversion goes on, so that the fsync at the end has little
        // left to wait for. Only a hint: its failure is the fsync's to report.
        if (written - started >= kEarly) {
            ::sync_file_range(h, static_cast<off_t>(started), static_cast<off_t>(written - started),
                              SYNC_FILE_RANGE_WRITE);
            started = written;
        }
#endif
        return 0;
    }

    // The temporary's end moved back to WHOLE; its fsync; the old output's permission bits.
    // Result: 0, or the error code and in WHAT the call that failed.
    int settle(bool cut, const char*& what) {
#ifdef _WIN32
        if (cut) {
            LARGE_INTEGER at;
            at.QuadPart = static_cast<LONGLONG>(whole);
            what = "cut back";
            if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN) || !SetEndOfFile(h))
                return static_cast<int>(GetLastError());
        }
        what = "flush to disk";
        if (!FlushFileBuffers(h)) return static_cast<int>(GetLastError());
#else
        if (cut) {
            what = "cut back";
            int rc;
            do rc = ::ftruncate(h, static_cast<off_t>(whole));
            while (rc != 0 && errno == EINTR);
            if (rc != 0) return errno;
        }
        what = "set the permissions of";
        if (::fchmod(h, static_cast<mode_t>(mode)) != 0) return errno;
        what = "flush to disk";
        if (::fsync(h) != 0) return errno;
#endif
        return 0;
    }

    // close  Result: 0, or the error code.
    int close() {
        const Handle was = h;
        h = kNone;
#ifdef _WIN32
        return CloseHandle(was) ? 0 : static_cast<int>(GetLastError());
#else
        return ::close(was) == 0 ? 0 : errno;  // the descriptor is gone even when close fails
#endif
    }
};

OutputFile::OutputFile(std::string name) : name_(trimmed(name)), p_(std::make_unique<Impl>()) {
    if (name_.empty()) throw Failure(Kind::File, "no file name given");
    const fs::path final_path = detail::path_of(name_);
    std::error_code ec;
    const fs::file_status st = fs::status(final_path, ec);  // a link is looked through
    if (st.type() == fs::file_type::directory)
        throw Failure(Kind::File, "cannot create " + shown(name_) + ": a directory of that name exists");
    if (st.type() != fs::file_type::not_found && st.type() != fs::file_type::none &&
        st.type() != fs::file_type::regular)
        throw Failure(Kind::File, "cannot replace " + shown(name_) + ": not a regular file");
    const fs::file_status own = fs::symlink_status(final_path, ec);
    p_->replaces = own.type() != fs::file_type::not_found && own.type() != fs::file_type::none;
#ifndef _WIN32
    p_->mode = new_file_mode();
#endif
    if (own.type() == fs::file_type::regular) {
        // An old output's permission bits go on, without setuid, setgid and sticky: a file written by
        // this run is never a program that runs as its owner.
        p_->mode = static_cast<unsigned>(own.permissions()) & 0777u;
#ifdef _WIN32
        // Windows keeps a read-only file from being replaced: refused before anything is created.
        const DWORD attrs = GetFileAttributesW(final_path.c_str());
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY) != 0)
            throw Failure(Kind::File, "cannot replace " + shown(name_) + ": the file is read-only");
#endif
    }
    bool short_form = no_room(name_);
    for (int k = 0;; ++k) {
        temp_ = temporary_for(name_, short_form);
        if (!p_->guard.arm(temp_))
            throw Failure(Kind::File, "cannot create a file beside " + shown(name_) + ": name too long");
        int err = 0;
        bool taken = false, too_long = false;
        {
            detail::Hold hold;
#ifdef _WIN32
            p_->h = CreateFileW(detail::path_of(temp_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
            if (p_->h == kNone) err = static_cast<int>(GetLastError());
            taken = err == ERROR_FILE_EXISTS || err == ERROR_ALREADY_EXISTS;
            too_long = err == ERROR_FILENAME_EXCED_RANGE;
#else
            // 0600 while it is written: nobody else reads the records before they are final.
            do p_->h = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
            while (p_->h < 0 && errno == EINTR);
            if (p_->h < 0) err = errno;
            taken = err == EEXIST;
            too_long = err == ENAMETOOLONG;
#endif
            if (err == 0) p_->guard.created();
        }
        if (err == 0) break;
        if (too_long && !short_form) {
            short_form = true;
            continue;
        }
        if (!taken || k + 1 >= kTries)
            throw Failure(Kind::File, "cannot create the temporary " + shown(temp_) + " beside " + shown(name_) + ": " +
                                          detail::why_code(err));
    }
}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::replaces() const noexcept { return p_->replaces; }

bool OutputFile::placed() const noexcept { return p_->placed; }

void OutputFile::discard() noexcept {
    if (p_->done) return;
    if (p_->h != kNone) p_->close();
    {
        detail::Hold hold;
        std::error_code ec;
        fs::remove(detail::path_of(temp_), ec);
        p_->guard.gone();
    }
    p_->done = true;
}

void OutputFile::record(std::string_view text) {
    Impl& f = *p_;
    const std::size_t n = text.size();
    if (f.write_failed || f.done) throw Failure(Kind::File, "cannot write to " + escaped(name_));
    if (n + 2 > kBuffer - f.len) drain();
    if (n + 2 <= kBuffer) {
        char* to = f.buf.get() + f.len;
        std::memcpy(to, text.data(), n);
        to[n] = '\r';
        to[n + 1] = '\n';
        f.len += n + 2;
        return;
    }
    int err = f.put(text.data(), n);  // longer than the buffer: straight to the file
    if (err == 0) err = f.put("\r\n", 2);
    if (err != 0) {
        f.write_failed = true;
        throw Failure(Kind::File, "cannot write to " + escaped(name_) + ": " + detail::why_code(err));
    }
}

void OutputFile::drain() {
    Impl& f = *p_;
    const std::size_t n = f.len;
    f.len = 0;  // whatever happens, no byte of the buffer is offered twice
    const int err = f.put(f.buf.get(), n);
    if (err != 0) {
        f.write_failed = true;
        throw Failure(Kind::File, "cannot write to " + escaped(name_) + ": " + detail::why_code(err));
    }
}

void OutputFile::commit() {
    Impl& f = *p_;
    if (f.done) throw Failure(Kind::File, "cannot write to " + escaped(name_));
    drain();  // a failure here is one while the records are written: the caller keeps what is whole
    try {
        const char* what = "";
        if (int err = f.settle(false, what))
            throw Failure(Kind::File,
                          std::string("cannot ") + what + " " + shown(name_) + ": " + detail::why_code(err));
        if (int err = f.close())
            throw Failure(Kind::File, "cannot close " + shown(name_) + ": " + detail::why_code(err));
    } catch (...) {
        discard();
        throw;
    }
    place();
}

void OutputFile::place() {
    Impl& f = *p_;
    int err = 0;
    {
        detail::Hold hold;
#ifdef _WIN32
        const fs::path to = detail::path_of(name_);
        // An old output whose name differs in case only is removed first, so that the output takes the
        // name as formed (a replace would keep the old spelling).
        WIN32_FIND_DATAW found;
        const HANDLE look = FindFirstFileW(to.c_str(), &found);
        if (look != INVALID_HANDLE_VALUE) {
            FindClose(look);
            if (to.filename().wstring() != found.cFileName) DeleteFileW(to.c_str());
        }
        if (!MoveFileExW(detail::path_of(temp_).c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            err = static_cast<int>(GetLastError());
#else
        if (::rename(temp_.c_str(), name_.c_str()) != 0) err = errno;
#endif
        if (err == 0) {
            f.done = true;
            f.placed = true;
            f.guard.gone();
        }
    }
    if (err != 0) {
        discard();
        throw Failure(Kind::File, "cannot rename the new " + shown(name_) + " into place: " + detail::why_code(err));
    }
#ifndef _WIN32
    // The rename itself lasts only once the folder is on disk. Some file systems cannot fsync a folder.
    const std::string dir = folder_of(name_);
    const int d = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        const int rc = ::fsync(d);
        const int e = errno;
        const int rcc = ::close(d);
        const std::string in_place = "the new " + shown(name_) + " is in place but may not survive a power cut: ";
        if (rc != 0 && e != EINVAL && e != ENOTSUP && e != EBADF)
            throw Failure(Kind::File, in_place + "cannot flush its folder to disk: " + detail::why_code(e));
        if (rcc != 0) throw Failure(Kind::File, in_place + "cannot close its folder: " + detail::why());
    }
#endif
}

void OutputFile::keep_whole() noexcept {
    Impl& f = *p_;
    if (f.done || f.h == kNone) return;
    if (f.replaces) {  // a failed run leaves the old output as it was
        discard();
        return;
    }
    try {
        if (!f.write_failed) {
            // Whole records wait in the buffer (a bad input line came after them).
            const std::size_t n = f.len;
            f.len = 0;
            if (f.put(f.buf.get(), n) != 0) f.write_failed = true;
        }
        f.len = 0;
        const char* what = "";
        if (f.settle(f.whole != f.written, what) != 0 || f.close() != 0) {
            discard();
            return;
        }
        place();
    } catch (...) {
        discard();
    }
}

}  // namespace solarlon::io
