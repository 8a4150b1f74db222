// solarlon  Console calculator of the Sun's ecliptic longitude. Takes no arguments.
#include <iostream>

#include <solarlon/driver.hpp>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main() {
#ifdef _WIN32
    // Console bytes pass unchanged: records end with CR LF written by the program itself.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    return solarlon::driver::run(std::cin, std::cout);
}
