// terminal  Whether the standard streams are terminals, and whether the console speaks UTF-8.
#include "console/console.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <unistd.h>
#endif

namespace solarlon::console {

Terminal terminal() {
    Terminal t;
#ifdef _WIN32
    // A console handle, not _isatty (which is true for NUL too).
    auto console = [](DWORD which) {
        DWORD mode = 0;
        return GetConsoleMode(GetStdHandle(which), &mode) != 0;
    };
    const bool screen = console(STD_INPUT_HANDLE) && console(STD_OUTPUT_HANDLE);
    const UINT page = GetConsoleOutputCP();                  // 0 without a console
    t.locale_utf8 = (page != 0 ? page : GetACP()) == 65001;  // CP_UTF8
    t.utf8 = screen && t.locale_utf8;
    t.err_terminal = console(STD_ERROR_HANDLE);
#else
    const bool screen = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    if (std::setlocale(LC_CTYPE, "") != nullptr) {
        const char* set = nl_langinfo(CODESET);
        t.locale_utf8 = set != nullptr && (std::strcmp(set, "UTF-8") == 0 || std::strcmp(set, "utf8") == 0);
        std::setlocale(LC_CTYPE, "C");
    }
    t.utf8 = screen && t.locale_utf8;
    t.err_terminal = isatty(STDERR_FILENO) != 0;
#endif
    return t;
}

}  // namespace solarlon::console
