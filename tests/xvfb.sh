# Sourced by every test script that needs an X server of its own (the desktop matrix's
# Linux rows; through wine.sh, every Wine script that shows windows).

# xvfb_start DIR WIDTHxHEIGHT: a virtual X screen at 24 bits, its number written to
# DIR/display; exports DISPLAY and leaves the server's process in $xvfb for the caller to end.
xvfb_start() {
    exec 3>"$1/display"
    Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    exec 3>&-
    local _
    for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
    [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$1/display")"
}
