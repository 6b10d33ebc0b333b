#!/usr/bin/env bash
# What a Windows user sees of the installer, in a fresh Wine prefix under Xvfb, in each of
# its modes: per user (an administrator's default when silent) and, beside that copy, for
# all users, moved to a folder whose path holds blanks and non-ASCII letters. For each, a
# silent install, its files, Start-menu shortcut and Add or Remove Programs entry in that
# mode's places; a second install over the first; the program started from the shortcut, an
# Attack click that changes the roll display's pixels, Info opening "About Skarvel", System
# Info starting the program the registry names; an uninstall after the program ran that
# leaves nothing of its mode but what Windows itself keeps, and the other mode's copy as it was.
# Usage: windows-installer.sh BUILD_DIR RECORDER.exe
# BUILD_DIR is a Windows build: its NSIS installer is packed here, and the name, version
# and publisher that the uninstall entry must show are the ones it was packed with.
set -euo pipefail

build=$(cd "$1" && pwd)
recorder=$(realpath "$2")
work="$build/windows-installer"
started=$SECONDS

packed() { sed -n "s/^set($1 \"\(.*\)\")$/\1/p" "$build/CPackConfig.cmake"; }
name=$(packed CPACK_PACKAGE_NAME)
version=$(packed CPACK_PACKAGE_VERSION)
publisher=$(packed CPACK_PACKAGE_VENDOR)
# Packed twice, seconds apart: the installer and the ZIP must hold no time of packing.
for out in package "$work-again"; do
    (cd "$build" && "${CPACK:-cpack}" -G "NSIS;ZIP" -B "$out" >/dev/null)
done
installer="$build/package/$name-$version-win64.exe"

rm -rf "$work"
mkdir -p "$work"
source "$(dirname "${BASH_SOURCE[0]}")/../wine.sh"
for packed in "$installer" "${installer%.exe}.zip"; do
    check "${packed##*/} packed again the same" "" "$(cmp "$packed" "$work-again/${packed##*/}" 2>&1)"
done
rm -rf "$work-again"
wine_desktop "$work" 1024x768
drive="$WINEPREFIX/drive_c"
echo "fresh prefix after $((SECONDS - started)) s"

unix_path() { # C:\a\b -> the prefix's file
    local p=${1#C:\\}
    echo "$drive/${p//\\//}"
}
utf16() { iconv -f UTF-16LE -t UTF-8 "$1" | tr -d '\r'; }

# The state Windows itself keeps changing: its own folder, the registry's Wine settings,
# and the uninstaller's copy of itself in the temporary folder, deleted at the next start.
snapshot() { # snapshot FILE
    (cd "$drive" && find . -path ./windows -prune -o -print |
        grep -v '^./users/[^/]*/Temp/~nsu[^/]*\.tmp' | sort) >"$1.files"
    w reg export 'HKLM\Software' "$(winepath -w "$1.hklm")" /y >/dev/null
    w reg export 'HKCU\Software' "$(winepath -w "$1.hkcu")" /y >/dev/null
    { utf16 "$1.hklm"; utf16 "$1.hkcu" | sed '/^\[HKEY_CURRENT_USER\\Software\\Wine/,/^$/d'; } \
        >"$1.registry"
}

entries() { # entries HIVE: its uninstall entries, as text (reg query would print them in the
    # OEM code page); none where the hive has no such key
    rm -f "$work/uninstall.reg"
    w reg export "$1\Software\Microsoft\Windows\CurrentVersion\Uninstall" \
        "$(winepath -w "$work/uninstall.reg")" /y >/dev/null
    utf16 "$work/uninstall.reg"
}
entry() { # entry HIVE VALUE: one value of the program's uninstall entry there
    entries "$1" | sed -n "/\\\\Uninstall\\\\$name]$/,/^$/p" | sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" |
        sed 's/\\\\/\\/g; s/\\"/"/g'
}
contains_utf16() { # contains_utf16 FILE TEXT
    local pattern
    pattern=$(printf '%s' "$2" | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n' | sed 's/../\\x&/g')
    LC_ALL=C grep -qaP "$pattern" "$1"
}
# Each mode's places, as Windows names them: its folder for programs, its Start menu and
# its registry hive. The installer's default folder is the mode's folder plus the name.
folder() { w cmd /c echo "%$1%"; }
user_dir="$(folder LOCALAPPDATA)\\Programs\\$name"
user_menu="$(folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
machine_menu="$(folder ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"

installed() { # installed DIR MENU HIVE: the files, the shortcut and the uninstall entry
    local dir=$1 shortcut unix f missing=""
    shortcut=$(unix_path "$2\\$name\\$name.lnk")
    unix=$(unix_path "$dir")
    for f in skarvel.exe Uninstall.exe platforms/qwindows.dll styles/qwindowsvistastyle.dll LICENSE.txt \
        licenses/qt/copyright.txt; do
        [ -f "$unix/$f" ] || missing+=" $f"
    done
    check "installed into $dir" "" "$missing"
    check "shortcut in $2 names the program and its icon" "yes" \
        "$(contains_utf16 "$shortcut" "$dir\\skarvel.exe" && echo yes)"
    check "$3 uninstall entry: name, version, publisher" "$name|$version|$publisher" \
        "$(entry "$3" DisplayName)|$(entry "$3" DisplayVersion)|$(entry "$3" Publisher)"
    check "$3 uninstall entry: uninstaller" "\"$dir\\Uninstall.exe\"" "$(entry "$3" UninstallString)"
    check "one $3 uninstall entry" 1 "$(entries "$3" | grep -c "^\"DisplayName\"=\"$name\"$")"
}

uninstall() { # uninstall DIR SNAPSHOT: silently, then the prefix must be as in SNAPSHOT
    local dir=$1
    # Every program of the prefix has ended, as after the user closed them.
    timeout 60 wineserver -w || true
    w "$dir\\Uninstall.exe" /S
    # The uninstaller runs on as its own copy; it is done when the folder is gone.
    for _ in $(seq 100); do [ -e "$(unix_path "$dir")" ] || break; sleep 0.2; done
    timeout 60 wineserver -w || true
    snapshot "$work/after"
    check "uninstall from $dir leaves no file" "" \
        "$(diff "$2.files" "$work/after.files" | grep '^[<>]' || true)"
    check "uninstall from $dir leaves no registry key or value" "" \
        "$(diff "$2.registry" "$work/after.registry" | grep '^[<>] *[^ ]' || true)"
}

window() { # window TITLE: waits for it and prints "X Y" of its client area
    local id=""
    for _ in $(seq 120); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || return 0
    xdotool getwindowgeometry "$id" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'
}
click() { xdotool mousemove "$1" "$2" click 1; }
pixels() { import -window root -crop "$3x$4+$1+$2" rgb:- | md5sum; }

stopped() { # asks the program to close as the user would, and waits for it to end
    w taskkill /im skarvel.exe >/dev/null
    for _ in $(seq 40); do
        w tasklist | grep -qi '^skarvel.exe' || { echo yes; return; }
        sleep 0.25
    done
    w taskkill /f /im skarvel.exe >/dev/null
}

# The registry's first location names a stand-in tool behind a path with blanks, placed
# before the first snapshot so that only the installer's traces are compared.
tool='C:\Program Files\Recorder Tool\msinfo32.exe'
mkdir -p "$(dirname "$(unix_path "$tool")")"
cp "$recorder" "$(unix_path "$tool")"
w reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d "$tool" /f >/dev/null
log="$drive/skarvel-recorder.log"
timeout 60 wineserver -w || true
snapshot "$work/before"

# The program as the user starts it from MENU's shortcut. Positions are the designed ones,
# in pixels at 96 dpi from each window's client area.
used() { # used MENU
    w start "$1\\$name\\$name.lnk"
    read -r x y <<<"$(window "$name")"
    check "window \"$name\" open" yes "$([ -n "${x:-}" ] && echo yes)"
    [ -n "${x:-}" ] || return 0
    before=$(pixels $((x + 240)) $((y + 272)) 129 41)
    click $((x + 356)) $((y + 48)) # the first Attack button
    sleep 1
    check "Attack changes the roll display" changed \
        "$([ "$before" != "$(pixels $((x + 240)) $((y + 272)) 129 41)" ] && echo changed)"
    click $((x + 356)) $((y + 348)) # Info
    read -r ax ay <<<"$(window "About $name")"
    check "Info opens \"About $name\"" yes "$([ -n "${ax:-}" ] && echo yes)"
    if [ -n "${ax:-}" ]; then
        click $((ax + 325)) $((ay + 216)) # System Info...
        for _ in $(seq 40); do [ -s "$log" ] && break; sleep 0.25; done
        check "System Info starts the registry's program" "$tool|\"$tool\"" \
            "$(tr -d '\r' <"$log" 2>/dev/null)"
        rm -f "$log"
        click $((ax + 325)) $((ay + 186)) # OK
    fi
    check "program closes" yes "$(stopped)"
}

# Per user: what a silent install chooses, even for an administrator (as Wine's user is).
w "$installer" /S
installed "$user_dir" "$user_menu" HKCU
w "$installer" /S /CurrentUser
echo "-- installed again"
installed "$user_dir" "$user_menu" HKCU
# The machine's uninstall list always exists: an export that failed must not pass as empty.
check "no HKLM uninstall entry" "0 exported" \
    "$(entries HKLM | grep -c "^\"DisplayName\"=\"$name\"$") $([ -s "$work/uninstall.reg" ] && echo exported)"
used "$user_menu"
timeout 60 wineserver -w || true
snapshot "$work/per-user"

# For all users, beside the per-user copy; then moved to a folder the user picks, with blanks
# and letters beyond ASCII, where the next upgrade, without /D=, finds it. The installer
# takes the folder unquoted, as the last word of its command line; wine would quote it, so
# it goes through cmd, from the environment.
w "$installer" /S /AllUsers
installed "$(folder ProgramFiles)\\$name" "$machine_menu" HKLM
odd_dir='C:\Program Files\Skärvel für Spielleiter'
SKARVEL_INSTALL="\"$(winepath -w "$installer")\" /S /AllUsers /D=$odd_dir" w cmd /c %SKARVEL_INSTALL%
installed "$odd_dir" "$machine_menu" HKLM
w "$installer" /S /AllUsers
echo "-- installed again"
installed "$odd_dir" "$machine_menu" HKLM
installed "$user_dir" "$user_menu" HKCU
used "$machine_menu"
uninstall "$odd_dir" "$work/per-user"
uninstall "$user_dir" "$work/before"

echo "Windows installer: $checks checks, $failures failed, $((SECONDS - started)) s" \
    "(installer $(du -k "$installer" | cut -f1) KiB)"
[ "$failures" -eq 0 ]
