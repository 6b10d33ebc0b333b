#!/usr/bin/env bash
# The whole tree, optimised with assertions and -Werror, and every unit and widget test
# with a short soak; the package stage runs the packaging tests of this same build.
set -euo pipefail
cd "$(dirname "$0")/../.."
# The unit and package stages share the ci build, and may run side by side: one at a time.
mkdir -p build
exec {lock}>build/ci.lock
flock "$lock"
cmake --preset ci
cmake --build --preset ci -j2
ctest --preset ci
