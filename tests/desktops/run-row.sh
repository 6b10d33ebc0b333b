#!/usr/bin/env bash
# One Linux row of the desktop matrix: a private home holding the row's settings, a
# virtual X screen of its own, and the check program started there with the row's
# environment. Nothing outside the private home is read or written as settings.
# Usage: run-row.sh CHECK OUT_DIR ROW SETTINGS_DIR|- BASELINE_ROW|- [VAR=VALUE...]
set -euo pipefail
check=$1 out=$2 row=$3 settings=$4 baseline=$5
shift 5

home=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/.config" "$home/run" "$out"
chmod 700 "$home/run"
[ "$settings" == - ] || cp -r "$settings/." "$home/.config/"

source "$(dirname "${BASH_SOURCE[0]}")/../xvfb.sh"
xvfb_start "$home" 1280x1024

baseline_arg=()
[ "$baseline" == - ] || baseline_arg=("$baseline")
# The caller's desktop settings are dropped, so that only the row's own apply.
env -u XDG_CURRENT_DESKTOP -u KDE_SESSION_VERSION -u KDE_FULL_SESSION -u DESKTOP_SESSION \
    -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u QT_FONT_DPI \
    -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_ENABLE_HIGHDPI_SCALING \
    -u GTK_THEME -u KDEHOME -u KDEDIRS -u XDG_CONFIG_DIRS -u DBUS_SESSION_BUS_ADDRESS \
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" NO_AT_BRIDGE=1 \
    QT_QPA_PLATFORM=xcb "$@" \
    "$check" "$row" "$out" "${baseline_arg[@]}"
