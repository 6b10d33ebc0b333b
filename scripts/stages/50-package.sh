#!/usr/bin/env bash
# The ci build's Debian package, built once: packed with CPack, its dependencies resolved
# by a simulated apt installation, then unpacked, its desktop entry and metainfo
# validated, and started offscreen (tests/packaging/package-check.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux
exec scripts/ci-build.sh ctest --preset package
