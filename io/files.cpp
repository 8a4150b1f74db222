// trimmed, open_old, InputFile, same_file  The input files of the file modes.
#include "io/files.hpp"

#include <filesystem>
#include <system_error>

#include <solarlon/io.hpp>

#include "detail.hpp"
#include "infile_platform.hpp"

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
    const detail::FileHandle h = detail::open_input(p);
    if (h == detail::kNoFile) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    std::unique_ptr<InputFile> f(new InputFile(n, h));
    detail::InputKind kind = detail::InputKind::other;
    if (!detail::input_kind(h, kind)) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    if (kind == detail::InputKind::directory) throw Failure(Kind::File, "is a directory, not a file: " + shown(n));
    // A device would be read without end (/dev/zero, /dev/urandom) or take what the user types.
    if (kind != detail::InputKind::readable && !f->is_standard_input()) not_a_file(n);
    return f;
}

InputFile::~InputFile() { detail::close_input(h_); }

std::size_t InputFile::fill(char* to, std::size_t cap) {
    int err = 0;
    const long long got = detail::read_input(h_, to, cap, err);
    if (got < 0) throw Failure(Kind::Input, "cannot read " + shown(name_) + ": " + detail::why_code(err));
    return static_cast<std::size_t>(got);
}

bool InputFile::is_standard_input() const { return detail::is_console_input(h_); }

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
