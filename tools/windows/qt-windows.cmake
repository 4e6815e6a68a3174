# What of Qt is built for Windows (cmake -C): Core, Gui, Widgets and Test, the windows,
# offscreen and minimal platform plugins, the JPEG and icon image plugins and the Windows Vista
# style; the bundled third-party libraries, since the target system has none of its own. Qt's
# moc, rcc and uic come from the host's Qt (QT_HOST_PATH), of the same version.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
set(INPUT_opengl no CACHE STRING "")
# Direct 2D stays: Qt's DirectWrite font database, which the windows platform uses, is built
# with it; its own platform plugin does not.
foreach(feature opengl vulkan network sql dbus icu concurrent xml printsupport gif direct2d1_1
                androiddeployqt windeployqt qmake
                system_zlib system_png system_jpeg system_freetype system_harfbuzz
                system_pcre2 system_doubleconversion)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
# The build folders stay out of the objects and the time out of the PE headers, so that a build
# gives the same bytes each time.
foreach(kind SHARED EXE MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS -Wl,--no-insert-timestamp CACHE STRING "")
endforeach()
