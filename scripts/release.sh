#!/usr/bin/env bash
# Makes a release of the committed tree: the source archive of the commit, and built from
# it the Debian package and the Windows installer and ZIP, all written with their
# SHA256SUMS into dist/. Every built file carries the time of the CHANGELOG's latest entry
# (the source archive the commit's) and no path of the machine it was built on, so any
# release of the same commit gives the same bytes: to show it, everything is built a second
# time from the source archive unpacked in another folder, without the compiler cache, and
# must come out the same. --once builds only once.
# Usage: scripts/release.sh [--once]
set -euo pipefail
cd "$(dirname "$0")/.."
say() { echo "release: $*" >&2; }

once=0
for arg in "$@"; do
    case $arg in
        --once) once=1 ;;
        *) say "unknown argument $arg (usage: release.sh [--once])"; exit 2 ;;
    esac
done

if [ -n "$(git status --porcelain)" ]; then
    git status --short >&2
    say "the tree differs from its commit: commit (or stash) these changes first"
    exit 1
fi
scripts/setup.sh linux windows
SKARVEL_WINDOWS_QT=$(scripts/windows-qt.sh)
export SKARVEL_WINDOWS_QT
# The release's time, for every tool that would write the time of the build (the resource
# compiler, the linkers, strip, the packers), as Debian takes it from a changelog.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l CHANGELOG -S Timestamp)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
version=$(dpkg-parsechangelog -l CHANGELOG -S Version)
commit=$(git rev-parse HEAD)
name=skarvel-$version
say "Skarvel $version, commit $commit, dated $(date -d "@$SOURCE_DATE_EPOCH" '+%F %T %Z')"

# build FOLDER: unpacks the source archive into FOLDER and makes the packages there, each
# in its preset's own build folder.
build() {
    local folder=$1 preset log started
    tar -xzf "$archive" -C "$folder"
    for preset in release windows-release; do
        log=$folder/$preset.log
        started=$SECONDS
        if ! (cd "$folder/$name" && cmake --preset "$preset" && cmake --build --preset "$preset" -j2 &&
            cd "build/$preset" && cpack) >"$log" 2>&1; then
            tail -n 40 "$log" >&2
            say "$preset failed (log: $log)"
            exit 1
        fi
        say "built and packed $preset in $folder/$name/build/$preset in $((SECONDS - started)) s"
    done
}
packages() { # packages FOLDER: what build made there, and the source archive beside it
    echo "$1/$name"/build/release/package/*.deb "$1/$name"/build/windows-release/package/*.exe \
        "$1/$name"/build/windows-release/package/*.zip "$1/$name.tar.gz"
}

first=build/release-first
second=build/release-second
rm -rf "$first" "$second"
mkdir -p "$first" "$second"
archive=$first/$name.tar.gz
# source_archive FILE: every member with the commit's time and a mode that no local setting
# changes; gzip -n keeps its own time and name out.
source_archive() {
    git -c tar.umask=0022 -c core.autocrlf=false archive --format=tar --prefix="$name/" "$commit" |
        gzip -9n >"$1"
}
source_archive "$archive"
build "$first"
read -r -a made <<<"$(packages "$first")"

if [ "$once" -eq 0 ]; then
    CCACHE_DISABLE=1 build "$second"
    source_archive "$second/$name.tar.gz"
    read -r -a again <<<"$(packages "$second")"
    differ=0
    for i in "${!made[@]}"; do
        cmp "${made[$i]}" "${again[$i]}" || differ=1
    done
    if [ "$differ" -ne 0 ]; then
        say "the second build differs from the first (above): no release written"
        exit 1
    fi
    say "the second build, in $second, made the same bytes"
fi

rm -rf dist
mkdir dist
cp "${made[@]}" dist/
(cd dist && sha256sum -- * >SHA256SUMS)
echo "dist/, Skarvel $version from commit $commit:"
(cd dist && for file in *; do
    printf '  %-32s %10s bytes  %6s\n' "$file" "$(stat -c %s "$file")" "$(du -h --apparent-size "$file" | cut -f1)"
done)
echo "SHA256SUMS:"
sed 's/^/  /' dist/SHA256SUMS
