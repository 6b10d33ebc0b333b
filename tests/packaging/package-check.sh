#!/usr/bin/env bash
# Checks a Skarvel Debian package as a desktop user and Debian's checker see it: resolves
# its dependencies with a simulated apt installation, lintian must report no error or
# warning, the manual page must format without warnings, and the package, unpacked into
# a scratch root, must hold valid desktop files and icons and start offscreen until its
# main window has been painted.
#
# Usage: package-check.sh PACKAGE.deb
#        package-check.sh --build BUILD_DIR   (packs BUILD_DIR twice with $CPACK, default
#                                              cpack: both packages must be the same bytes)
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
# The design's application id and icon sizes, not the build's: the package must hold them.
id=org.skarvel.Skarvel
icon_sizes=(16 32)

scratch="$(mktemp -d)"
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

if [ "${1:-}" = "--build" ]; then
    "${CPACK:-cpack}" --config "$2/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
        { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
    shopt -s nullglob
    debs=("$scratch"/out/*.deb)
    [ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages, expected 1"
    deb="${debs[0]}"
    # Packed again seconds later, the same build must give the same bytes.
    sleep 1.1
    "${CPACK:-cpack}" --config "$2/CPackConfig.cmake" -B "$scratch/again" >"$scratch/cpack.log" 2>&1 ||
        { cat "$scratch/cpack.log"; fail "cpack could not build the package again"; }
    cmp "$deb" "$scratch/again/${deb##*/}" || fail "packed twice, the package differs: it holds a time"
else
    deb="$1"
fi

dpkg-deb --info "$deb" >"$scratch/info"
for field in Package Version Architecture Maintainer Depends Description; do
    grep -q "^ $field: " "$scratch/info" || fail "the package has no $field field"
done
grep -q '^ Depends: .*libqt6widgets6' "$scratch/info" || fail "Qt is missing from Depends"
# The icons are drawn ahead of time: nothing at run time renders SVG.
! grep -q '^ Depends: .*libqt6svg' "$scratch/info" || fail "the package depends on QtSvg"

# Informational tags (hardening hints and the like) are shown but pass.
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log"; fail "lintian reports errors or warnings"; }
cat "$scratch/lintian.log"

# Every dependency must be one apt can satisfy; nothing is installed.
apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt cannot satisfy the package's dependencies"; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
program=usr/games/skarvel
doc=usr/share/doc/skarvel
manual=usr/share/man/man6/skarvel.6.gz
pngs=()
for size in "${icon_sizes[@]}"; do
    pngs+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in $program usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    "${pngs[@]}" usr/share/icons/hicolor/scalable/apps/$id.svg \
    $doc/copyright $doc/changelog.gz $manual; do
    [ -s "$root/$file" ] || fail "the package has no $file"
done
[ -x "$root/$program" ] || fail "$program is not executable"
# Nor may a time or a path of this build be compiled in: another build would differ.
if [ "${1:-}" = "--build" ]; then
    ! grep -aqF -e "$(cd "$2/../.." && pwd)" -e "$(LC_ALL=C date '+%b %e %Y')" "$root/$program" ||
        fail "$program holds this build's path or today's date"
fi
grep -q '^License: MIT$' "$root/$doc/copyright" || fail "the copyright file names another licence"
zcat "$root/$doc/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "the changelog's latest entry is not the package's version"
# What man prints on standard error while formatting is a warning about the page.
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/$manual" \
    2>"$scratch/man.log" >/dev/null || fail "man cannot format $manual"
[ ! -s "$scratch/man.log" ] || { cat "$scratch/man.log"; fail "man warns about $manual"; }
for size in "${icon_sizes[@]}"; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        fail "${size}x$size icon size"
done
grep -q "^Icon=$id$" "$root/usr/share/applications/$id.desktop" || fail "the entry names another icon"
grep -q '^Exec=skarvel$' "$root/usr/share/applications/$id.desktop" || fail "the entry starts another program"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic --explain "$root/usr/share/metainfo/$id.metainfo.xml" \
    >"$scratch/appstream.log" ||
    { cat "$scratch/appstream.log"; fail "the metainfo does not validate"; }

# The program takes no options, so it is watched from outside: Qt's widget painting log
# names each window whose whole area it flushes to the platform, which happens once
# the main window's first frame has been drawn.
log="$scratch/run.log"
: >"$log" # exists before the program opens it, for the first look below
# The loader's log shows every library loaded as the program runs.
env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" LD_DEBUG=files \
    XDG_RUNTIME_DIR="$scratch" "$root/$program" >"$log" 2>&1 &
pid=$!
painted='Flushing QRegion\(0,0 [0-9]+x[0-9]+\) of skarvel::skarvelform\(.*name="skarvelform"\)'
for _ in $(seq 1 300); do
    grep -q -E "$painted" "$log" && break
    kill -0 "$pid" 2>/dev/null || { tail -n 20 "$log"; fail "the program ended before showing its window"; }
    sleep 0.1
done
grep -q -E "$painted" "$log" || { tail -n 20 "$log"; fail "no main window within 30 seconds"; }
# Its images are read as PNGs, never by probing every image-format plugin.
! grep -q 'file=.*/imageformats/' "$log" || fail "starting loaded an image-format plugin"
# Up and painted; it must still be running a moment later, waiting for the user.
sleep 0.5
kill -0 "$pid" 2>/dev/null || { tail -n 20 "$log"; fail "the program ended after showing its window"; }
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "$(basename "$deb"): lintian-clean, unpacks, validates and starts"
