#!/usr/bin/env bash
# The whole tree and every test again under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, with no recovery: the first report fails its test.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan
