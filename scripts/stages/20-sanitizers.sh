#!/usr/bin/env bash
# The whole tree under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer,
# with no recovery, and the unit and widget tests and a short soak on it: the first
# report fails its test. The package stage checks the package, once, in the ci build.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan
