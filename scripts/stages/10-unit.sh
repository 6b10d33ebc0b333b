#!/usr/bin/env bash
# The whole tree, optimised with assertions and -Werror, and every unit and widget test
# with a short soak; the package stage runs the packaging tests of this same build.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux
exec scripts/ci-build.sh ctest --preset ci
