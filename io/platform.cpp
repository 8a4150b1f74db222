// path_of, why, why_code  File names and error texts of the platform.
#include <cerrno>
#include <cstring>
#include <system_error>

#include "detail.hpp"
#include "os.hpp"

namespace solarlon::io::detail {

std::filesystem::path path_of(const std::string& name) {
#ifdef _WIN32
    if (name.empty()) return std::filesystem::path();
    const UINT cp = GetConsoleCP();                 // 0 without a console, which is CP_ACP
    const int len = static_cast<int>(name.size());  // at most a record (4096 bytes) and a suffix
    const int n = MultiByteToWideChar(cp, 0, name.data(), len, nullptr, 0);
    if (n <= 0) return std::filesystem::path(name);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(cp, 0, name.data(), len, wide.data(), n);
    return std::filesystem::path(wide);
#else
    return std::filesystem::path(name);
#endif
}

std::string why() {
#ifdef _WIN32
    return why_code(static_cast<int>(GetLastError()));
#else
    return why_code(errno);
#endif
}

std::string why_code(int code) {
    std::string s = std::system_category().message(code);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.')) s.pop_back();
    return s.empty() ? "error " + std::to_string(code) : s;
}

}  // namespace solarlon::io::detail
