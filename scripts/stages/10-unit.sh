#!/usr/bin/env bash
# The whole tree, optimised with assertions and -Werror, and every unit and widget test.
set -euo pipefail
cmake --preset ci
cmake --build --preset ci -j2
ctest --preset ci
