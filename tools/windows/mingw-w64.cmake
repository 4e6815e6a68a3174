# Cross-building for 64-bit Windows with Debian's MinGW-w64, POSIX threads flavour (the one whose
# C++ library has std::thread and std::mutex). Used for Qt itself and for Quintavel; Quintavel's
# build finds Qt through QUINTAVEL_WINDOWS_QT, which tools/windows/qt.sh prints.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
if(QUINTAVEL_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QUINTAVEL_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The try_compile projects CMake makes while it looks at the compiler need the same.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUINTAVEL_WINDOWS_QT)
