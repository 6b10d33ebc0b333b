# Sourced by every script that runs Windows programs under Wine (the test programs' emulator,
# the launcher's Wine suite, the installer check and the desktop matrix's Wine rows): Wine's
# settings, and `w`, `check` and `wine_desktop`.

export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install prompts, and no menu entries on this machine's own desktop for
# the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# w COMMAND...: runs a Windows command, Wine's own messages dropped, Windows' line ends
# made Unix ones.
w() { timeout 120 wine "$@" 2>/dev/null | tr -d '\r'; }

# check NAME EXPECTED ACTUAL: one check, counted in $checks and, failed, in $failures; a
# failure on a screen leaves a picture of it in $work.
checks=0
failures=0
check() {
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then
        echo "ok   $1"
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        [ -z "${DISPLAY:-}" ] || import -window root "${work:-.}/failure-$checks.png" 2>/dev/null || true
    fi
}

# wine_desktop WORK_DIR WIDTHxHEIGHT: a fresh, private prefix in WORK_DIR/prefix on a virtual
# X screen of its own, DISPLAY set; both end when the sourcing script exits.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
wine_desktop() {
    export WINEPREFIX="$1/prefix"
    xvfb_start "$1" "$2"
    trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
    timeout 300 wineboot -i >/dev/null 2>&1
}
