// open_old, open_status, close_delete, open_new, same_file  Files of the file modes.
#include <filesystem>
#include <fstream>
#include <system_error>

#include <solarlon/io.hpp>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace solarlon::io {

namespace fs = std::filesystem;

namespace {

// The name as typed. Elsewhere its bytes pass unchanged (the narrow, native encoding). Windows names
// are UTF-16: the typed bytes are decoded from the console's input code page (Shift-JIS, or UTF-8 when
// the console is set to 65001), or the ANSI code page when there is no console.
fs::path path_of(const std::string& name) {
#ifdef _WIN32
    if (name.empty()) return fs::path();
    const UINT cp = GetConsoleCP();  // 0 without a console, which is CP_ACP
    const int len = static_cast<int>(name.size());  // at most a record (4096 bytes)
    const int n = MultiByteToWideChar(cp, 0, name.data(), len, nullptr, 0);
    if (n <= 0) return fs::path(name);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(cp, 0, name.data(), len, wide.data(), n);
    return fs::path(wide);
#else
    return fs::path(name);
#endif
}

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
