#!/usr/bin/env bash
# Provides Qt 6.4.2 for 64-bit Windows (MinGW-w64), built from Debian's own qt6-base
# source, and prints its prefix on stdout; what it did goes to stderr. In this order:
#   1. the team's prebuilt copy (SKARVEL_QT_MINGW_ARCHIVE, default
#      ../shared/toolchains/qt-6.4.2-mingw64.tar.xz beside the checkout), unpacked once
#      into the cache;
#   2. the cache, ${XDG_CACHE_HOME:-~/.cache}/skarvel/qt-6.4.2-mingw64-<options hash>;
#   3. a build: the source fetched with apt-get through a private apt configuration (the
#      machine's own apt sources are never touched), configured with the options below,
#      built with two jobs (about 40 minutes) and installed into the cache.
# --from-source skips the prebuilt copy and the cache and builds afresh.
# Usage: SKARVEL_WINDOWS_QT=$(scripts/windows-qt.sh)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "windows-qt: $*" >&2; }

from_source=0
for arg in "$@"; do
    case $arg in
        --from-source) from_source=1 ;;
        *) say "unknown argument $arg"; exit 2 ;;
    esac
done

qt_version=6.4.2
debian_version=6.4.2+dfsg-10
jobs=2
# Two of these are not taste: Debian's source leaves out the WinTab header (tablet events
# off), and with OpenGL off the Windows platform plugin only compiles when dynamic OpenGL
# is switched off by name as well.
options=(
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DCMAKE_BUILD_TYPE=Release -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF
)
toolchain="$repo/cmake/mingw-w64-x86_64.cmake"
# The key: source version, options and compiler; a change to any of them is another toolkit.
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
key=$(printf '%s\n' "$debian_version" "${options[@]}" "$compiler" | sha256sum | cut -c1-10)

cache="${SKARVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/skarvel}"
prefix="$cache/qt-$qt_version-mingw64-$key"
marker="$prefix/.skarvel-toolkit"
archive="${SKARVEL_QT_MINGW_ARCHIVE:-$repo/../shared/toolchains/qt-$qt_version-mingw64.tar.xz}"
mkdir -p "$cache"

# One caller at a time unpacks or builds; the others wait and then reuse its result.
exec 9>"$cache/qt-$qt_version-mingw64.lock"
flock 9

done_with() { # done_with ORIGIN: the prefix is complete
    echo "$1" >"$marker"
    say "prefix $prefix"
    echo "$prefix"
    exit 0
}

if [ "$from_source" -eq 0 ]; then
    if [ -f "$archive" ]; then
        if [ -f "$marker" ] && [ "$(cat "$marker")" == shared ]; then
            say "toolkit: the prebuilt copy $archive, unpacked earlier"
        else
            say "toolkit: the prebuilt copy $archive, unpacking"
            rm -rf "$prefix" "$prefix.unpack"
            mkdir -p "$prefix.unpack"
            tar -xJf "$archive" -C "$prefix.unpack"
            mv "$prefix.unpack/qt-$qt_version-mingw64" "$prefix"
            rm -rf "$prefix.unpack"
        fi
        done_with shared
    fi
    if [ -f "$marker" ]; then
        say "toolkit: the cache ($(cat "$marker"))"
        done_with "$(cat "$marker")"
    fi
fi

say "toolkit: building Qt $debian_version from Debian's source ($jobs jobs, about 40 minutes)"
work="$cache/qt-$qt_version-mingw64-$key.work"
rm -rf "$prefix" "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"

# A private apt: its own source list with only a deb-src line, its own lists and cache.
# The mirror and signing key are Debian's, as on the machine.
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
echo "deb-src [signed-by=$keyring] ${SKARVEL_DEBIAN_MIRROR:-http://deb.debian.org/debian} bookworm main" \
    >"$work/apt/sources.list"
apt_private=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State=$work/apt"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt"
    -o "Dir::Cache::Archives=$work/apt/archives"
    -o "Dir::State::status=/var/lib/dpkg/status"
    -o "APT::Sandbox::User=root"
)
mkdir -p "$work/apt/sources.list.d"
apt-get "${apt_private[@]}" -q update >&2
(cd "$work/src" && apt-get "${apt_private[@]}" -q source "qt6-base=$debian_version" >&2)
source_dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$source_dir" ] || { say "apt-get source gave no source folder"; exit 1; }

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DSKARVEL_WINDOWS_QT="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
cmake --build "$work/build" -j "$jobs" >&2
cmake --install "$work/build" >&2
x86_64-w64-mingw32-strip --strip-unneeded "$prefix"/bin/*.dll "$prefix"/plugins/*/*.dll
rm -rf "$work"
done_with built
