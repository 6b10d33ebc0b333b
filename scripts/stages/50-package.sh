#!/usr/bin/env bash
# The ci build's desktop entry, metainfo and Windows resources as their validators and
# resource compiler read them, and its Debian package, built once: packed with CPack,
# its dependencies resolved by a simulated apt installation, then unpacked, validated
# and started offscreen (tests/packaging/package-check.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
# The unit and package stages share the ci build, and may run side by side: one at a time.
mkdir -p build
exec {lock}>build/ci.lock
flock "$lock"
cmake --preset ci
cmake --build --preset ci -j2
ctest --preset package
