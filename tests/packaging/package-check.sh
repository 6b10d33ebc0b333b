#!/usr/bin/env bash
# Checks a Skarvel Debian package as a desktop user would get it: resolves its
# dependencies with a simulated apt installation, unpacks it into a scratch root,
# validates its desktop entry and metainfo, checks the icons, and starts the unpacked
# program offscreen until its main window has been painted.
#
# Usage: package-check.sh PACKAGE.deb
#        package-check.sh --build BUILD_DIR   (packs BUILD_DIR with $CPACK, default cpack)
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

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
else
    deb="$1"
fi

dpkg-deb --info "$deb" >"$scratch/info"
for field in Package Version Architecture Maintainer Depends Description; do
    grep -q "^ $field: " "$scratch/info" || fail "the package has no $field field"
done
grep -q '^ Depends: .*libqt6widgets6' "$scratch/info" || fail "Qt is missing from Depends"
# Every dependency must be one apt can satisfy; nothing is installed.
apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt cannot satisfy the package's dependencies"; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
id=org.skarvel.Skarvel
for file in usr/bin/skarvel usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/$id.png usr/share/icons/hicolor/32x32/apps/$id.png \
    usr/share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$root/$file" ] || fail "the package has no $file"
done
[ -x "$root/usr/bin/skarvel" ] || fail "usr/bin/skarvel is not executable"
file "$root/usr/share/icons/hicolor/16x16/apps/$id.png" | grep -q '16 x 16' || fail "16x16 icon size"
file "$root/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fail "32x32 icon size"
grep -q "^Icon=$id$" "$root/usr/share/applications/$id.desktop" || fail "the entry names another icon"
grep -q '^Exec=skarvel$' "$root/usr/share/applications/$id.desktop" || fail "the entry starts another program"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" ||
    { cat "$scratch/appstream.log"; fail "the metainfo does not validate"; }

# The program takes no options, so it is watched from outside: Qt's widget painting log
# names each window whose whole area it flushes to the platform, which happens once
# the main window's first frame has been drawn.
log="$scratch/run.log"
: >"$log" # exists before the program opens it, for the first look below
env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    XDG_RUNTIME_DIR="$scratch" "$root/usr/bin/skarvel" >"$log" 2>&1 &
pid=$!
painted='Flushing QRegion\(0,0 [0-9]+x[0-9]+\) of skarvel::skarvelform\(.*name="skarvelform"\)'
for _ in $(seq 1 300); do
    grep -q -E "$painted" "$log" && break
    kill -0 "$pid" 2>/dev/null || { tail -n 20 "$log"; fail "the program ended before showing its window"; }
    sleep 0.1
done
grep -q -E "$painted" "$log" || { tail -n 20 "$log"; fail "no main window within 30 seconds"; }
# Up and painted; it must still be running a moment later, waiting for the user.
sleep 0.5
kill -0 "$pid" 2>/dev/null || { tail -n 20 "$log"; fail "the program ended after showing its window"; }
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "$(basename "$deb"): unpacks, validates and starts"
