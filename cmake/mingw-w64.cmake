# Cross build of solarlon.exe for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64), the
# posix-threads variant. Linked with -static, so the executable needs no MinGW runtime DLL beside it.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DSOLARLON_TESTS=OFF \
#         -DSOLARLON_VALIDATION=OFF && cmake --build build-win -j2
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers only from the MinGW tree, never the build machine's; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread linked in: the executable imports only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# pkg-config, a program of the build machine, looks only at the MinGW tree's .pc files: the build
# machine's ERFA is not for Windows (without a MinGW ERFA the build has the classic theory only).
set(ENV{PKG_CONFIG_LIBDIR} /usr/${mingw_triplet}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
