# Sourced by the Windows end-to-end tests (the installer check and the desktop matrix's
# Wine rows): a fresh, private Wine prefix on a virtual X screen of its own, both ended
# when the sourcing script exits, and `w`, which runs a Windows command there.

# wine_desktop WORK_DIR WIDTHxHEIGHT: the prefix in WORK_DIR/prefix, DISPLAY set.
wine_desktop() {
    export WINEPREFIX="$1/prefix"
    export WINEDEBUG=-all
    # No Mono or Gecko install prompts, and no menu entries on this machine's own desktop
    # for the shortcuts an installer makes.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    exec 3>"$1/display"
    Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp >/dev/null 2>&1 &
    wine_desktop_xvfb=$!
    exec 3>&-
    trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; kill $wine_desktop_xvfb 2>/dev/null || true' EXIT
    local _
    for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$1/display")"
    timeout 300 wineboot -i >/dev/null 2>&1
}

# Wine's own messages dropped, Windows' line ends made Unix ones.
w() { timeout 120 wine "$@" 2>/dev/null | tr -d '\r'; }
