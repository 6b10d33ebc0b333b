#!/usr/bin/env bash
# Builds Skarvel's desktop check and runs its bare row, which starts the program, shoots
# its main window, presses Info and shoots the About dialog, drawn by a real X server
# (Xvfb) with the program's font, style and icons, and checks every text; saves the two
# pictures to docs/main-window.png and docs/about-dialog.png (or $1 and $2).
set -euo pipefail
cd "$(dirname "$0")/.."
output="${1:-docs/main-window.png}"
aboutOutput="${2:-docs/about-dialog.png}"
scripts/setup.sh linux
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target desktop_check
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
bash tests/desktops/run-row.sh build/dev/tests/desktops/desktop_check "$shots" bare - - \
    SKARVEL_EXPECT=style=fusion
mkdir -p "$(dirname "$output")" "$(dirname "$aboutOutput")"
cp "$shots/bare-main.png" "$output"
cp "$shots/bare-about.png" "$aboutOutput"
echo "Saved $output and $aboutOutput"
