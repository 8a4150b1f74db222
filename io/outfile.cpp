// OutputFile  A file mode's output: a temporary beside it, written through a buffer of its own and
//             renamed into place when whole. The system calls are those of outfile_platform.hpp.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include <solarlon/io.hpp>

#include "detail.hpp"
#include "io/files.hpp"
#include "outfile_platform.hpp"

namespace solarlon::io {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 64 * 1024;          // bytes written at a time
constexpr unsigned long long kEarly = 1024 * 1024;  // bytes after which their way to the disk begins

constexpr std::size_t kComponent = 255;  // bytes of one name in a folder, on the file systems in use
constexpr int kTries = 100;              // temporary names tried before giving up

// A temporary's name for NAME: NAME.unfinished-R, or, where the last component of NAME leaves no room
// for the suffix, .unfinished-R in the same folder. R is 64 bits from the system's generator, so the
// name cannot be foreseen and planted.
std::string temporary_for(const std::string& name, bool short_form) {
    std::random_device rd;
    const std::uint64_t r = (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
    char tail[40];
    std::snprintf(tail, sizeof tail, ".unfinished-%016llx", static_cast<unsigned long long>(r));
    if (!short_form) return name + tail;
    const std::size_t sep = name.find_last_of(detail::name_separators());
    return (sep == std::string::npos ? std::string() : name.substr(0, sep + 1)) + tail;
}

// Whether the last component of NAME with the suffix of a temporary is longer than a folder takes.
bool no_room(const std::string& name) {
    const std::size_t sep = name.find_last_of(detail::name_separators());
    const std::size_t last = sep == std::string::npos ? name.size() : name.size() - sep - 1;
    return last + std::strlen(".unfinished-0123456789abcdef") > kComponent;
}

}  // namespace

struct OutputFile::Impl {
    detail::FileHandle h = detail::kNoFile;
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
            std::size_t k = 0;
            if (const int err = detail::write_some(h, p, n, k)) return err;
            for (std::size_t i = k; i > 0; --i)
                if (p[i - 1] == '\n') {
                    whole = written + i;
                    break;
                }
            written += k;
            p += k;
            n -= k;
        }
        // The disk writes begin while the conversion goes on, so that the fsync at the end has little
        // left to wait for. Only a hint: its failure is the fsync's to report.
        if (written - started >= kEarly) {
            detail::begin_writeback(h, started, written - started);
            started = written;
        }
        return 0;
    }

    // The temporary's end moved back to WHOLE; its fsync; the old output's permission bits.
    // Result: 0, or the error code and in WHAT the call that failed.
    int settle(bool cut, const char*& what) {
        if (cut) {
            what = "cut back";
            if (const int err = detail::cut_back(h, whole)) return err;
        }
        what = "set the permissions of";
        if (const int err = detail::set_mode(h, mode)) return err;
        what = "flush to disk";
        return detail::flush_to_disk(h);
    }

    // close  Result: 0, or the error code.
    int close() {
        const detail::FileHandle was = h;
        h = detail::kNoFile;
        return detail::close_file(was);  // the file is gone even when close fails
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
    p_->mode = detail::new_file_mode();
    if (own.type() == fs::file_type::regular) {
        // An old output's permission bits go on, without setuid, setgid and sticky: a file written by
        // this run is never a program that runs as its owner. A file another user planted under the
        // name (in a shared folder) chooses nothing: the new output is made as if none stood there.
        if (detail::owned_by_user(name_)) p_->mode = static_cast<unsigned>(own.permissions()) & 0777u;
        // Windows keeps a read-only file from being replaced: refused before anything is created.
        if (detail::read_only(name_))
            throw Failure(Kind::File, "cannot replace " + shown(name_) + ": the file is read-only");
    }
    bool short_form = no_room(name_);
    for (int k = 0;; ++k) {
        temp_ = temporary_for(name_, short_form);
        if (!p_->guard.arm(temp_))
            throw Failure(Kind::File, "cannot create a file beside " + shown(name_) + ": name too long");
        detail::Created c;
        {
            detail::Hold hold;
            c = detail::create_new(temp_);
            p_->h = c.h;
            if (c.err == 0) p_->guard.created();
        }
        if (c.err == 0) break;
        if (c.too_long && !short_form) {
            short_form = true;
            continue;
        }
        if (!c.taken || k + 1 >= kTries)
            throw Failure(Kind::File, "cannot create the temporary " + shown(temp_) + " beside " + shown(name_) + ": " +
                                          detail::why_code(c.err));
    }
}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::replaces() const noexcept { return p_->replaces; }

bool OutputFile::placed() const noexcept { return p_->placed; }

void OutputFile::discard() noexcept {
    if (p_->done) return;
    if (p_->h != detail::kNoFile) p_->close();
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
        err = detail::rename_into_place(temp_, name_);
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
    // The rename itself lasts only once the folder is on disk.
    const detail::FolderFlush folder = detail::flush_folder(name_);
    if (folder.flush == 0 && folder.close == 0) return;
    const std::string in_place = "the new " + shown(name_) + " is in place but may not survive a power cut: ";
    if (folder.flush != 0)
        throw Failure(Kind::File, in_place + "cannot flush its folder to disk: " + detail::why_code(folder.flush));
    throw Failure(Kind::File, in_place + "cannot close its folder: " + detail::why_code(folder.close));
}

void OutputFile::keep_whole() noexcept {
    Impl& f = *p_;
    if (f.done || f.h == detail::kNoFile) return;
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
