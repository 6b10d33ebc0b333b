#!/usr/bin/env bash
# Under a real window manager (openbox on its own Xvfb), Enter held on Info opens the About
# dialog once, a click on the main window brings it above the dialog (neither is kept above
# the other), Info restores the dialog minimised, and System Info gives the tool it starts a
# start-up id with the time of the key that pressed it.
# The dialog must name no window it is transient for: window managers (KWin and Mutter
# among them) keep a dialog transient for the program's client leader above all its
# windows, though openbox does not.
# Usage: window-stacking.sh PROGRAM
set -euo pipefail
program=$1
if [ "${2:-}" != --inside ]; then
    exec env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$program" --inside
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/run" "$scratch/bin"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
# A system-information viewer that the program finds on PATH and that notes what it was given.
printf '#!/bin/sh\necho "${DESKTOP_STARTUP_ID:-none}" >"$HOME/started"\n' >"$scratch/bin/hardinfo"
chmod +x "$scratch/bin/hardinfo"

openbox --sm-disable 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
PATH=$scratch/bin:$PATH "$program" &
pids+=($!)

# The topmost client window, in decimal as xdotool names windows; a window waited for must
# also be on screen.
topmost() {
    printf '%d' "$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*[ ,]//')"
}
wait_topmost() { # wait_topmost WINDOW WHAT
    for _ in $(seq 100); do
        [ "$(topmost)" = "$1" ] && xwininfo -id "$1" | grep -q IsViewable && return 0
        sleep 0.1
    done
    echo "FAIL: $2 (topmost $(topmost), main $main, About $about)" >&2
    exit 1
}

main=$(xdotool search --sync --onlyvisible --name '^Skarvel$' | head -n1)
about=none
xdotool windowmove --sync "$main" 0 0
xdotool windowactivate --sync "$main"
# Info is last in the tab order, one step back from the first field. Enter held there, with
# the X server repeating it, opens About once and leaves it open.
xdotool key --clearmodifiers shift+Tab keydown Return sleep 1.5 keyup Return
about=$(xdotool search --onlyvisible --name '^About Skarvel$' | head -n1) ||
    { echo "FAIL: Enter held on Info left no About dialog open" >&2; exit 1; }
wait_topmost "$about" "the About dialog opens above the main window"
if ! xprop -id "$about" WM_TRANSIENT_FOR | grep -q 'not found'; then
    echo "FAIL: the About dialog is transient: $(xprop -id "$about" WM_TRANSIENT_FOR)" >&2
    exit 1
fi

# Top left of the main window, clear of the dialog at its stored place (156, 129).
xdotool mousemove --window "$main" 10 10 click 1
wait_topmost "$main" "a click on the main window brings it above the About dialog"

# Info, still focused in the main window, brings the minimised dialog back, in front.
xdotool windowminimize --sync "$about"
xdotool key Return
wait_topmost "$about" "Info restores the minimised About dialog"
xdotool key alt+s
for _ in $(seq 50); do [ -s "$scratch/started" ] && break; sleep 0.1; done
grep -Eq '^skarvel-[0-9]+-1_TIME[1-9][0-9]*$' "$scratch/started" ||
    { echo "FAIL: System Info gave the tool the start-up id $(cat "$scratch/started")" >&2; exit 1; }
echo "About above the main window and below it after a click, restored by Info; start-up id"
