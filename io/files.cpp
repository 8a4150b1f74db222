// OPENOLD, OPENSTATUS, CLOSEDELETE, OPENNEW, SAMEFILE  Files of the file modes.
#include <filesystem>
#include <fstream>
#include <system_error>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace fs = std::filesystem;

namespace {

// The name as typed: its bytes pass unchanged (the narrow, native encoding).
fs::path path_of(const std::string& name) { return fs::path(name); }

}  // namespace

std::string trimmed(std::string_view name) {
    const std::size_t a = name.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::string();
    const std::size_t b = name.find_last_not_of(' ');
    return std::string(name.substr(a, b - a + 1));
}

std::unique_ptr<std::istream> open_old(std::string_view name) {
    const std::string n = trimmed(name);
    if (n.empty()) throw Failure(Kind::File, "no file name given");
    std::error_code ec;
    const fs::path p = path_of(n);
    if (!fs::exists(p, ec)) throw Failure(Kind::File, "file not found: " + shown(n));
    if (fs::is_directory(p, ec)) throw Failure(Kind::File, "is a directory, not a file: " + shown(n));
    auto f = std::make_unique<std::ifstream>(p, std::ios::in | std::ios::binary);
    if (!f->is_open()) throw Failure(Kind::File, "cannot open for reading: " + shown(n));
    return f;
}

int open_status(std::string_view name) {
    const std::string n = trimmed(name);
    if (n.empty()) return 1;
    std::error_code ec;
    const fs::path p = path_of(n);
    if (!fs::exists(p, ec)) return 2;
    if (fs::is_directory(p, ec)) return 3;
    std::ifstream f(p, std::ios::in | std::ios::binary);
    return f.is_open() ? 0 : 4;
}

void close_delete(std::string_view name) {
    const std::string n = trimmed(name);
    std::error_code ec;
    if (!fs::remove(path_of(n), ec) || ec) throw Failure(Kind::File, "cannot remove " + shown(n));
}

std::unique_ptr<std::ostream> open_new(std::string_view name) {
    const std::string n = trimmed(name);
    if (n.empty()) throw Failure(Kind::File, "no file name given");
    std::error_code ec;
    const fs::path p = path_of(n);
    if (fs::is_directory(p, ec)) throw Failure(Kind::File, "cannot create " + shown(n) + ": a directory of that name exists");
    if (fs::exists(p, ec) || fs::is_symlink(p, ec)) throw Failure(Kind::File, "file already exists: " + shown(n));
    auto f = std::make_unique<std::ofstream>(p, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!f->is_open()) throw Failure(Kind::File, "cannot create " + shown(n));
    return f;
}

bool same_file(std::string_view a, std::string_view b) {
    const std::string na = trimmed(a), nb = trimmed(b);
    if (na == nb) return true;
    std::error_code ec;
    const bool same = fs::equivalent(path_of(na), path_of(nb), ec);
    return !ec && same;
}

}  // namespace solarlon::io
