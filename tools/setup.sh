#!/usr/bin/env bash
# Shared set-up for ./run and ./test: install what is missing, configure, build.
#
#   tools/setup.sh build     the program, in Release
#   tools/setup.sh test      the program and its tests, in Release
#   tools/setup.sh asan      the program and its tests, with the sanitizers (installs nothing)
#   tools/setup.sh fuzz      the fuzz targets, with clang's libFuzzer and the sanitizers
#   tools/setup.sh windows   the program, its tests and its installer for Windows, with MinGW-w64;
#                            builds Qt for Windows first when the cache lacks it
#
# A build folder is configured from its preset when it has none yet and again whenever
# CMakePresets.json has changed since, so that an edited preset reaches an existing build.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-build}

build_pkgs=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
            libgl-dev xdg-utils fonts-dejavu-core fonts-liberation2)
test_pkgs=(xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick python3 python3-xlib
           faketime xclip desktop-file-utils appstream dpkg-dev file)

# Windows ask the window manager for their frame through the X protocol library.
build_pkgs+=(libxcb1-dev)
# Start-up reads the font configuration itself, on a thread of its own.
build_pkgs+=(libfontconfig-dev)
# The accessibility test's session bus, accessibility bus and client; the window manager test's
# window manager.
test_pkgs+=(dbus-daemon dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0 openbox)
# Faces for the scripts of the new languages: Noto's faces for interfaces draw Arabic and
# Devanagari within the windows' lines, with bolds of their own; a Japanese face, and a Chinese
# face with the simplified characters. DejaVu Sans draws Cyrillic.
build_pkgs+=(fonts-noto-ui-core fonts-ipaexfont-gothic fonts-wqy-microhei)
# The translations: lupdate and lrelease, gettext's msgfmt for the desktop entry and metainfo,
# and Qt's own translations, which give the message boxes' buttons.
build_pkgs+=(qt6-tools-dev qt6-l10n-tools gettext)
test_pkgs+=(qt6-translations-l10n)
# The palettes test under GTK's dark theme, as a GNOME desktop gives it to Qt programs.
test_pkgs+=(qt6-gtk-platformtheme)
# The package test: the package built as Debian builds it, and checked as its archive checks it.
test_pkgs+=(debhelper lintian)
# For Windows: MinGW-w64, Debian's qt6-base source unpacked and built with it, the installer
# compiler, Qt's translations to ship beside the program, and Wine to test it all.
windows_pkgs=(g++-mingw-w64-x86-64-posix dpkg-dev nsis python3 qt6-translations-l10n wine wine64)

# The fuzz targets: clang with libFuzzer, and Qt's private headers, through which the language
# target has Qt read the locale's variables again for each input.
fuzz_pkgs=(clang-14 libclang-rt-14-dev qt6-base-private-dev)

configure() { # preset
    local dir=build/$1
    if [ ! -f "$dir/build.ninja" ] || [ CMakePresets.json -nt "$dir/CMakeCache.txt" ]; then
        cmake --preset "$1" >/dev/null
    fi
}

case $mode in
build)
    tools/ensure-packages.sh "${build_pkgs[@]}"
    configure release
    cmake --build --preset release --target quintavel
    ;;
test)
    tools/ensure-packages.sh "${build_pkgs[@]}" "${test_pkgs[@]}"
    configure release
    cmake --build --preset release
    ;;
asan)
    configure asan
    cmake --build --preset asan
    ;;
fuzz)
    tools/ensure-packages.sh "${build_pkgs[@]}" "${fuzz_pkgs[@]}"
    configure fuzz
    cmake --build --preset fuzz
    ;;
windows)
    tools/ensure-packages.sh "${build_pkgs[@]}" "${test_pkgs[@]}" "${windows_pkgs[@]}"
    tools/windows/qt.sh >/dev/null
    configure windows
    cmake --build --preset windows
    ;;
*)
    echo "usage: $0 build|test|asan|fuzz|windows" >&2
    exit 2
    ;;
esac
