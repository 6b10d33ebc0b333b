#!/usr/bin/env bash
# The Windows rows of the desktop matrix. Into a private Wine prefix on its own virtual X
# screen go Windows' raster "MS Sans Serif" (Debian's fonts-wine copy of sserife.fon,
# registered as Windows registers it) and the program, by its install rules. Then, row by
# row, each row's setting added to what the rows before it set: the Windows build of the
# check program, run from the install folder so that the installed DLLs and plugins (Qt's
# windows platform) serve it. It photographs both windows as the screen shows them; the
# installer check starts the installed skarvel.exe itself and opens About with Info.
# Usage: wine-rows.sh BUILD_DIR CHECK.exe OUT_DIR FACE.ttf
set -euo pipefail
build=$(cd "$1" && pwd)
checker=$2
out=$3
face=$4
work="$out/wine"
rm -rf "$work"
mkdir -p "$work/home"
export HOME="$work/home"
folder='C:\Program Files\Skarvel'
source "$(dirname "${BASH_SOURCE[0]}")/../wine.sh"
wine_desktop "$work" 1600x900
installed="$WINEPREFIX/drive_c/Program Files/Skarvel"
"${CMAKE:-cmake}" --install "$build" --prefix "$installed" >/dev/null
cp "$checker" "$installed/"
fonts='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
cp /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/"
w reg add "$fonts" /v 'MS Sans Serif 8,10,12,14,18,24' /t REG_SZ /d sserife.fon /f >/dev/null

# Windows' own dialog face where Wine has none: a free face renamed (built, never shipped).
truetype_face() {
    cp "$face" "$WINEPREFIX/drive_c/windows/Fonts/micross.ttf"
    w reg add "$fonts" /v 'Microsoft Sans Serif (TrueType)' /t REG_SZ /d micross.ttf /f >/dev/null
}
# Windows' "High Contrast Black" system colours; Wine's own visual style stays on.
dark_colours() {
    printf '%s\n' REGEDIT4 '[HKEY_CURRENT_USER\Control Panel\Colors]' '"Window"="0 0 0"' \
        '"WindowText"="255 255 255"' '"ButtonFace"="0 0 0"' '"ButtonText"="255 255 255"' \
        '"Hilight"="26 235 255"' '"HilightText"="0 0 0"' '"GrayText"="63 242 63"' \
        '"HotTrackingColor"="255 255 0"' >"$work/colours.reg"
    w reg import "$(winepath -w "$work/colours.reg")" >/dev/null
}
# The same colours with no visual style, as Windows' classic look draws them.
no_visual_style() {
    w reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive \
        /t REG_SZ /d 0 /f >/dev/null
}

# Row | dots per inch | its baseline row | what shows that its setting took effect (see
# DesktopCheck.cpp) | the set-up it adds.
# The renamed face has Liberation Sans's metrics, not those of the face it stands in for.
rows=(
    "wine-96|96||style=windowsvista,ratio=1,font=Liberation Sans/7.5|"
    "wine-144|144|wine-96|ratio=1.5|"
    "wine-dark|96|wine-96|style=windows,window=#000000|dark_colours"
    "wine-dark-classic|96|wine-96|style=windows,window=#000000|no_visual_style"
    "wine-face|96||font=Microsoft Sans Serif/8,measure=no|truetype_face"
)
for entry in "${rows[@]}"; do
    IFS='|' read -r row dpi baseline expected setup <<<"$entry"
    # Wine 8 takes the system DPI from the user's desktop settings.
    w reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    [ -z "$setup" ] || "$setup"
    timeout 60 wineserver -w || true
    status=0
    SKARVEL_EXPECT=$expected w "$folder\\${checker##*/}" "$row" "Z:$out" $baseline || status=$?
    check "$row: the setting took effect and every text fits and reads" 0 "$status"
done
echo "Wine rows: $checks checks, $failures failed, $SECONDS s"
[ "$failures" -eq 0 ]
