#!/usr/bin/env bash
# Installs the Debian 12 packages the editor, its tests and its benchmarks need,
# asking apt only for what is missing. Runs as root, or through sudo.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    # PNG pictures are deflated in stripes with zlib (canvas/png_encoding.cpp)
    zlib1g-dev
    # the English interface: lupdate and lrelease, and their CMake functions
    # (qt_add_translations), which compile i18n/*.ts into the program
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    # the JSON interchange of locations (interchange/), and the tests' JSON checks
    nlohmann-json3-dev
    fonts-liberation
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    # the tests of the git drivers run the real git
    git
    # the Tiled export's tests and benchmark draw the exported map with Tiled's
    # own tmxrasterizer and compare it with the render
    tiled
    # the outside check (tests/outside): a virtual display, input and X access
    xvfb xdotool python3 python3-xlib
    # the install check (tools/check-install.sh): the desktop entry's and the
    # metainfo's validators, the Debian package's library dependencies, and
    # the manual pages' formatter
    desktop-file-utils appstream dpkg-dev binutils groff-base
    # the fuzz targets (libFuzzer and the sanitizer runtimes of clang, and the
    # symbolizer that names the lines of a finding)
    clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
