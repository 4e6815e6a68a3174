# A build for Windows, cross-built here with MinGW-w64 (CMakePresets.json's windows preset).
#
# Qt is the one tools/windows/qt.sh built and keeps in the user's cache, unless
# QUINTAVEL_WINDOWS_QT names another; its moc, rcc, uic and Linguist tools are the host's.
if(NOT QUINTAVEL_WINDOWS_QT)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/qt.sh --prefix
        OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(QUINTAVEL_WINDOWS_QT ${prefix} CACHE PATH "The Qt built for Windows")
endif()
if(NOT EXISTS ${QUINTAVEL_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake)
    message(FATAL_ERROR "There is no Qt for Windows in ${QUINTAVEL_WINDOWS_QT}. "
        "tools/windows/qt.sh builds it (half an hour or more), and ./test windows runs it.")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${QUINTAVEL_WINDOWS_QT})
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
    OUTPUT_VARIABLE host_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools are")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake CACHE PATH "The host Qt's packages")

# No time in the PE headers: the same commit builds the same bytes.
add_link_options(-Wl,--no-insert-timestamp)

# MinGW's C++, GCC and threads runtime DLLs, where the compiler finds them.
set(QUINTAVEL_WINDOWS_RUNTIME_DIRS ${QUINTAVEL_WINDOWS_QT}/bin)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(found ${found} DIRECTORY)
    get_filename_component(found ${found} REALPATH)
    list(APPEND QUINTAVEL_WINDOWS_RUNTIME_DIRS ${found})
endforeach()

# Tests, and any program of the build run by it, run under Wine (build/windows/wine.sh), with
# Qt's and MinGW's DLLs on the path.
set(wine_path)
foreach(dir ${QUINTAVEL_WINDOWS_RUNTIME_DIRS})
    string(REPLACE "/" "\\" dir "Z:${dir}")
    list(APPEND wine_path "${dir}")
endforeach()
list(JOIN wine_path ";" wine_path)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                     WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine.sh)
# There they find Qt's plugins in the Qt built for Windows, and Qt's own translations where
# Debian keeps them.
file(WRITE ${CMAKE_BINARY_DIR}/bin/qt.conf "[Paths]\nPrefix = Z:${QUINTAVEL_WINDOWS_QT}\n"
     "Translations = Z:/usr/share/qt6/translations\n")
