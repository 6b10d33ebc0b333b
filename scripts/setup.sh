#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Skarvel need, and only
# those that are missing. Safe to run again and again.
# Usage: setup.sh [linux|windows]... (default: both). "linux" is what the program, the
# Linux tests and the benchmarks need; "windows" the cross build and its tests under Wine.
set -euo pipefail

linux=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    # the two windows' stacking under a real window manager
    openbox x11-utils xdotool
    # sanitizers and fuzzing, and the format and docs checks
    clang libclang-rt-14-dev clang-format git python3
    # leak and heap checks of the memory probe, by hand
    valgrind
    # desktop integration checks
    desktop-file-utils appstream
    # the desktop matrix: Qt's platform themes of qt6ct and GTK 3, the settings' face
    qt6ct qt6-gtk-platformtheme fonts-dejavu-core
    # the Debian package: dependency list, unpacking and checking, Debian's own checker
    # and the manual page's formatter
    dpkg-dev file lintian man-db
    # the interface font and any other runtime data the program needs
    fonts-liberation2
)
windows=(
    # the cross build (and the toolkit's build from Debian's source), the tests under Wine,
    # the installer and the ZIP, and the installer's check on a virtual screen
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
    nsis zip imagemagick
    # the desktop matrix's Wine rows: Windows' raster MS Sans Serif, and the tools that
    # rename a face
    fonts-wine python3-fonttools
)

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(linux windows)
packages=()
for group in "${groups[@]}"; do
    case $group in
        linux) packages+=("${linux[@]}") ;;
        windows) packages+=("${windows[@]}") ;;
        *) echo "setup.sh: no group $group (linux, windows)" >&2; exit 2 ;;
    esac
done

# One query for all of them, so that a caller with nothing missing goes on at once.
installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
    awk '$1 == "installed" { print $2 }' | sort -u) || true
mapfile -t missing < <(printf '%s\n' "${packages[@]}" | sort -u | comm -23 - <(echo "$installed"))
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
