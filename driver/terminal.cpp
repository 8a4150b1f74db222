// TERMINAL  Whether the standard streams are terminals, and whether the console speaks UTF-8.
#include <solarlon/driver.hpp>

#ifdef _WIN32
#include <cstdio>
#include <io.h>
#include <windows.h>
#else
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <unistd.h>
#endif

namespace solarlon::driver {

Terminal terminal() {
    Terminal t;
#ifdef _WIN32
    const bool screen = _isatty(_fileno(stdin)) && _isatty(_fileno(stdout));
    t.utf8 = screen && GetConsoleOutputCP() == 65001;  // CP_UTF8
    t.err_terminal = _isatty(_fileno(stderr)) != 0;
#else
    const bool screen = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    if (screen && std::setlocale(LC_CTYPE, "") != nullptr) {
        const char* set = nl_langinfo(CODESET);
        t.utf8 = set != nullptr && (std::strcmp(set, "UTF-8") == 0 || std::strcmp(set, "utf8") == 0);
        std::setlocale(LC_CTYPE, "C");
    }
    t.err_terminal = isatty(STDERR_FILENO) != 0;
#endif
    return t;
}

}  // namespace solarlon::driver
