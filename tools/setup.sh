#!/usr/bin/env bash
# Shared set-up for ./run and ./test: install what is missing, configure, build.
# Usage: tools/setup.sh build|test
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
# The package test's check of the .deb as Debian's archive checks it.
test_pkgs+=(lintian)
pkgs=("${build_pkgs[@]}")
[ "$mode" = test ] && pkgs+=("${test_pkgs[@]}")

tools/ensure-packages.sh "${pkgs[@]}"

if [ ! -f build/release/build.ninja ]; then
  cmake --preset release >/dev/null
fi

if [ "$mode" = test ]; then
  cmake --build --preset release
else
  cmake --build --preset release --target quintavel
fi
