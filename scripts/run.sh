#!/usr/bin/env bash
# Builds Skarvel (optimised) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh linux
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/app/skarvel
