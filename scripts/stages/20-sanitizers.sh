#!/usr/bin/env bash
# The test programs and every library they link under AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer, with no recovery, and the unit and widget tests and a
# short soak on them: the first report fails its test. The program, tools and benchmarks
# are built in ci, and the package stage checks the package, once, in the ci build.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux
cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan
