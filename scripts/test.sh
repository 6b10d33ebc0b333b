#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# Widget tests need no display; a caller that wants a real one sets its own.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

echo "== Build and unit tests (ci preset)"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
