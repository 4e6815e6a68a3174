#!/usr/bin/env bash
# Shared set-up for ./run and ./test: install what is missing, configure, build.
#
#   tools/setup.sh build     the program, in Release
#   tools/setup.sh test      the program and its tests, in Release
#   tools/setup.sh asan      the program and its tests, with the sanitizers (installs nothing)
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
# Faces for the scripts of the languages beyond those of DejaVu Sans (Latin, Cyrillic, Arabic):
# Devanagari for Hindi, a Japanese face, and a Chinese face with the simplified characters.
build_pkgs+=(fonts-lohit-deva fonts-ipaexfont-gothic fonts-wqy-microhei)
# The translations: lupdate and lrelease, gettext's msgfmt for the desktop entry and metainfo,
# and Qt's own translations, which give the message boxes' buttons.
build_pkgs+=(qt6-tools-dev qt6-l10n-tools gettext)
test_pkgs+=(qt6-translations-l10n)
# The package test: the package built as Debian builds it, and checked as its archive checks it.
test_pkgs+=(debhelper lintian)
# For Windows: MinGW-w64, Debian's qt6-base source unpacked and built with it, the installer
# compiler, Qt's translations to ship beside the program, and Wine to test it all.
windows_pkgs=(g++-mingw-w64-x86-64-posix dpkg-dev nsis python3 qt6-translations-l10n wine wine64)

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
windows)
    tools/ensure-packages.sh "${build_pkgs[@]}" "${test_pkgs[@]}" "${windows_pkgs[@]}"
    tools/windows/qt.sh >/dev/null
    configure windows
    cmake --build --preset windows
    ;;
*)
    echo "usage: $0 build|test|asan|windows" >&2
    exit 2
    ;;
esac
