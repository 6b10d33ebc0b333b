#!/usr/bin/env bash
# Builds Skarvel and saves a screenshot of its main window, drawn by a real X server
# (Xvfb) with the program's font, style and icon, to docs/main-window.png (or $1).
set -euo pipefail
cd "$(dirname "$0")/.."
output="${1:-docs/main-window.png}"
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target main_window_screenshot
mkdir -p "$(dirname "$output")"
# The caller's platform choice (often offscreen, for tests) must not reach the X server run.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    build/dev/tests/ui/main/main_window_screenshot "$output"
echo "Saved $output"
