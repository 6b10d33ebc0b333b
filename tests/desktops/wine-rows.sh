#!/usr/bin/env bash
# The Windows rows of the desktop matrix. Into a private Wine prefix on its own virtual X
# screen go Windows' raster "MS Sans Serif" (Debian's fonts-wine copy of sserife.fon,
# registered as Windows registers it) and the program, by its install rules. Then, at 96
# and at 144 dots per inch: the Windows build of the check program, run from the install
# folder so that the installed DLLs and plugins (Qt's windows platform) serve it, and a
# picture of the installed skarvel.exe's main window and About dialog.
# Usage: wine-rows.sh BUILD_DIR CHECK.exe OUT_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
check=$2
out=$3
work="$out/wine"
rm -rf "$work"
mkdir -p "$work/home"
export HOME="$work/home"
folder='C:\Program Files\Skarvel'
source "$(dirname "${BASH_SOURCE[0]}")/../wine.sh"
wine_desktop "$work" 1600x900
installed="$WINEPREFIX/drive_c/Program Files/Skarvel"
"${CMAKE:-cmake}" --install "$build" --prefix "$installed" >/dev/null
cp "$check" "$installed/"
cp /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/"
w reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
    /v 'MS Sans Serif 8,10,12,14,18,24' /t REG_SZ /d sserife.fon /f >/dev/null

failed=0
for setting in "96 1" "144 1.5"; do
    read -r dpi ratio <<<"$setting"
    row="wine-$dpi"
    # Wine 8 takes the system DPI from the user's desktop settings.
    w reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    timeout 60 wineserver -w || true
    baseline=()
    [ "$dpi" == 96 ] || baseline=(wine-96)
    w "$folder\\${check##*/}" "$row" "Z:$out" "${baseline[@]}" | tee "$work/$row.log" ||
        failed=$((failed + 1))
    # The row's own scale reached the program.
    if ! grep -q "device pixel ratio $ratio\$" "$work/$row.log"; then
        echo "FAIL $row: not drawn at $dpi dpi"
        failed=$((failed + 1))
    fi

    # The installed program as a user starts it; Info sits at (356, 348) at 96 dpi.
    w "$folder\\skarvel.exe" &
    id=
    for _ in $(seq 80); do
        id=$(xdotool search --onlyvisible --name '^Skarvel$' 2>/dev/null | head -n1) && break
        sleep 0.25
    done
    if [ -n "$id" ]; then
        # Beside the About dialog's fixed place rather than under it, for the picture.
        xdotool windowmove "$id" $((560 * dpi / 96)) 0
        sleep 0.5
        eval "$(xdotool getwindowgeometry --shell "$id")"
        xdotool mousemove $((X + 356 * dpi / 96)) $((Y + 348 * dpi / 96)) click 1
        sleep 1.5
        # The empty screen around the windows made transparent, and cut away.
        import -window root png:- | convert - -alpha set -bordercolor black -border 1 \
            -fill none -draw 'color 0,0 floodfill' -shave 1x1 -trim +repage \
            "$out/$row-installed.png"
        echo "$row: the installed program's windows in $out/$row-installed.png"
    else
        echo "FAIL $row: the installed program showed no window"
        failed=$((failed + 1))
    fi
    w taskkill /im skarvel.exe >/dev/null || true
    timeout 60 wineserver -w || true
done
echo "Wine rows: $failed failed, $SECONDS s"
exit $((failed > 0))
