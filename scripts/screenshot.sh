#!/usr/bin/env bash
# Builds Skarvel and saves screenshots of its main window and, after a press of Info,
# its About dialog, drawn by a real X server (Xvfb) with the program's font, style and
# icons, to docs/main-window.png and docs/about-dialog.png (or $1 and $2).
set -euo pipefail
cd "$(dirname "$0")/.."
output="${1:-docs/main-window.png}"
aboutOutput="${2:-docs/about-dialog.png}"
scripts/setup.sh linux
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target main_window_screenshot
mkdir -p "$(dirname "$output")"
# The caller's platform choice (often offscreen, for tests) must not reach the X server run.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    build/dev/tools/main_window_screenshot "$output" "$aboutOutput"
echo "Saved $output and $aboutOutput"
