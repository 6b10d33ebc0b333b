#!/usr/bin/env bash
# Runs the launcher's Windows layer under Wine against Wine's real registry and
# file system. Usage: wine-suite.sh BUILD_DIR PROBE RECORDER (the windows build folder,
# whose Wine prefix it uses, and the two programs).
# Each case writes the two registry locations with `wine reg add`, lays out
# program files, runs the probe and checks what it printed and which program
# file actually ran (the recorder logs its own path and command line).
set -euo pipefail

build=$(cd "$1" && pwd)
probe=$(realpath "$2")
recorder=$(realpath "$3")

source "$(dirname "${BASH_SOURCE[0]}")/../../wine.sh"
export WINEPREFIX="$build/wineprefix"
# Wine needs no display for this: console programs and the registry only.
unset DISPLAY WAYLAND_DISPLAY

started=$SECONDS
# A prefix from an earlier run is reused; a missing or broken one is made afresh.
if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    rm -rf "$WINEPREFIX"
    if ! timeout 300 wineboot -i >/dev/null 2>&1; then
        echo "wineboot could not make the prefix $WINEPREFIX" >&2
        exit 1
    fi
fi
echo "Wine prefix ready after $((SECONDS - started)) s"
# One server for the whole suite, stopped on the way out (it then saves the
# registry, which marks the prefix as usable next time). One still running for
# this prefix is as good.
timeout 60 wineserver -p 30 >/dev/null 2>&1 || true
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true' EXIT

drive="$WINEPREFIX/drive_c"
log="$drive/skarvel-recorder.log"
rm -f "$log"
first='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
second='HKLM\SOFTWARE\Microsoft\Shared Tools Location'

# Keys written since the last reset (both at first, for a reused prefix): each
# wine start costs a fraction of a second, so only these are deleted.
written=("$first" "$second")
reset() {
    local key
    for key in "${written[@]}"; do
        timeout 60 wine reg delete "$key" /f >/dev/null 2>&1 || true
    done
    written=()
}

# set KEY NAME TYPE [DATA]: adds one value; without DATA the value has no data.
set_value() {
    local args=("$1" /v "$2" /t "$3" /f)
    [ $# -ge 4 ] && args+=(/d "$4")
    local key
    for key in "${written[@]}"; do
        [ "$key" == "$1" ] && break
    done
    [ "${key:-}" == "$1" ] || written+=("$1")
    timeout 60 wine reg add "${args[@]}" >/dev/null 2>&1
}

place() { # place WINDOWS_RELATIVE_PATH: a recorder at C:\<path>
    local target="$drive/${1//\\//}"
    mkdir -p "$(dirname "$target")"
    cp "$recorder" "$target"
}

# The recorder runs on its own; wait a bounded time for its line, then take the
# log away, so that a program started where none should be shows up later. The
# probe reports every start, so where it reported none a short look suffices.
recorded() {
    local tries=0 limit=${1:-100}
    while [ ! -s "$log" ] && [ $tries -lt "$limit" ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ -f "$log" ]; then
        tr -d '\r' <"$log" | tr '[:upper:]' '[:lower:]'
        rm -f "$log"
    fi
}

message='message Skarvel|System Information Is Unavailable At This Time'
tool='C:\Program Files\Skarvel Test\msinfo32.exe'
folder='C:\Tools With Blanks'

# Program files: the tool behind a path with blanks, with traps where a command
# line split at blanks would look first; a folder holding the tool; a folder
# without it; a folder whose MSINFO32.EXE is itself a folder.
place 'Program Files\Skarvel Test\msinfo32.exe'
place 'Program.exe'
place 'Program Files\Skarvel.exe'
place 'Tools With Blanks\MSINFO32.EXE'
mkdir -p "$drive/Empty Folder" "$drive/Folder Case/MSINFO32.EXE"

# Files the file test must not accept: one hidden, one marked as a system file.
place 'Hidden Case\MSINFO32.EXE'
place 'System Case\MSINFO32.EXE'
timeout 60 wine attrib +h 'C:\Hidden Case\MSINFO32.EXE' >/dev/null 2>&1
timeout 60 wine attrib +s 'C:\System Case\MSINFO32.EXE' >/dev/null 2>&1

lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

# 1. The first location's path with blanks starts exactly that file, quoted, and
#    the second location is not used.
reset
set_value "$first" PATH REG_SZ "$tool"
set_value "$second" MSINFO REG_SZ "$folder"
check "first location, path with blanks: launch" "start $tool" "$(w "$probe" launch)"
check "first location, path with blanks: the right file ran" \
    "$(lower "$tool|\"$tool\"")" "$(recorded)"

# 2. A first-location path to nothing: the message, and no fallback.
reset
set_value "$first" PATH REG_SZ 'C:\Nowhere\msinfo32.exe'
set_value "$second" MSINFO REG_SZ "$folder"
check "first location to nothing" "start-failed C:\\Nowhere\\msinfo32.exe
$message" "$(w "$probe" launch)"

# 3. A folder holding MSINFO32.EXE, with and without a trailing backslash.
for f in "$folder" "$folder\\"; do
    reset
    set_value "$second" MSINFO REG_SZ "$f"
    check "folder '$f' with the tool" "start $f\\MSINFO32.EXE" "$(w "$probe" launch)"
    check "folder '$f' with the tool: it ran" \
        "$(lower "$folder\\MSINFO32.EXE|\"$f\\MSINFO32.EXE\"")" "$(recorded)"
done

# 4. Folders without the tool, and no locations at all.
for f in 'C:\Empty Folder' 'C:\Folder Case' 'C:\No Such Folder' 'C:\Hidden Case' \
    'C:\System Case'; do
    reset
    set_value "$second" MSINFO REG_SZ "$f"
    check "folder '$f' without the tool" "$message" "$(w "$probe" launch)"
done
reset
check "no locations" "$message" "$(w "$probe" launch)"

# 5. A text over the buffer: not read (more data), so the second location is used.
long="C:\\$(printf 'x%.0s' {1..1100})\\msinfo32.exe"
reset
set_value "$first" PATH REG_SZ "$long"
set_value "$second" MSINFO REG_SZ "$folder"
check "text over 1024 bytes: read" "false|" "$(w "$probe" read "${first#HKLM\\}" PATH)"
check "text over 1024 bytes: launch" "start $folder\\MSINFO32.EXE" "$(w "$probe" launch)"
check "text over 1024 bytes: the folder's tool ran" \
    "$(lower "$folder\\MSINFO32.EXE|\"$folder\\MSINFO32.EXE\"")" "$(recorded)"

# 6. The buffer's edge: 1023 characters and their zero fit, 1024 do not.
reset
fits=$(printf 'a%.0s' {1..1023})
set_value "$first" PATH REG_SZ "$fits"
set_value "$first" LONGER REG_SZ "${fits}b"
check "1023 characters: read whole" "true|$fits" "$(w "$probe" read "${first#HKLM\\}" PATH)"
check "1024 characters: not read" "false|" "$(w "$probe" read "${first#HKLM\\}" LONGER)"

# 7. An expandable text at the first location: read, but no path, so the message.
reset
set_value "$first" PATH REG_EXPAND_SZ "$tool"
check "expandable text: read" "true|as passed" "$(w "$probe" read "${first#HKLM\\}" PATH)"
check "expandable text: launch" "start-failed 
$message" "$(w "$probe" launch)"

# 8. Numbers: the unsigned decimal of the stored 32 bits.
reset
set_value "$first" PATH REG_DWORD 0x12345678
set_value "$first" MAX REG_DWORD 0xFFFFFFFF
check "number" "true|305419896" "$(w "$probe" read "${first#HKLM\\}" PATH)"
check "largest number" "true|4294967295" "$(w "$probe" read "${first#HKLM\\}" MAX)"

# 9. An empty text, and a value with no data at all.
reset
set_value "$first" PATH REG_SZ ""
set_value "$second" MSINFO REG_BINARY
check "empty text: read" "true|" "$(w "$probe" read "${first#HKLM\\}" PATH)"
check "empty text: launch" "start-failed 
$message" "$(w "$probe" launch)"
check "no data: read" "invalid-argument" "$(w "$probe" read "${second#HKLM\\}" MSINFO)"
reset
set_value "$second" MSINFO REG_BINARY
check "no data: launch" "$message" "$(w "$probe" launch)"

check "nothing ran in any failing case" "" "$(recorded 5)"
reset
echo "Wine suite: $checks checks, $failures failed, $((SECONDS - started)) s"
[ "$failures" -eq 0 ]
