# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64), the
# POSIX-threads variants that the Windows Qt toolkit was built with (std::thread, and the
# runtime DLLs installed beside the program). SKARVEL_WINDOWS_QT, as a cache variable or
# from the environment, is the toolkit's prefix (scripts/windows-qt.sh prints it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Finds the DLLs a program imports, for the install rules' runtime dependencies.
set(CMAKE_OBJDUMP x86_64-w64-mingw32-objdump)

if(NOT SKARVEL_WINDOWS_QT AND DEFINED ENV{SKARVEL_WINDOWS_QT})
    # Cached, so that a later configure run without the variable finds the same toolkit.
    set(SKARVEL_WINDOWS_QT "$ENV{SKARVEL_WINDOWS_QT}" CACHE PATH "Prefix of the Windows Qt toolkit")
endif()
# try_compile projects re-read this file; they get the prefix passed on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SKARVEL_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${SKARVEL_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
