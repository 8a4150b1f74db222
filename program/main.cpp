// solarlon  Console calculator of the Sun's ecliptic longitude.
#include <csignal>
#include <iostream>

#include "program.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // Console bytes pass unchanged: records end with CR LF written by the program itself.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
#ifdef SIGXFSZ
    // A file-size limit makes a write fail, reported like a full disk, instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef SIGPIPE
    // A console whose reader has gone is a write error, reported on standard error with status 1.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);
    const solarlon::console::Terminal term = solarlon::console::terminal();
    return solarlon::program::command(argc, argv, std::cin, std::cout, std::cerr, term);
}
