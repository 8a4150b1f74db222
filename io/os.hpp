// os.hpp  The platform's headers for the I/O library's system calls: <windows.h> without its macros
//         min, max and rarely used parts on Windows; the POSIX file calls elsewhere.
#ifndef SOLARLON_IO_OS_HPP
#define SOLARLON_IO_OS_HPP

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#endif
