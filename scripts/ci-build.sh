#!/usr/bin/env bash
# Configures and builds the ci preset (optimised, warnings as errors), then runs COMMAND in
# the repository's root. The unit and package stages share this build and may run side by
# side: one caller at a time builds and runs, until its command ends.
# Usage: ci-build.sh COMMAND...
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
exec {lock}>build/ci.lock
flock "$lock"
cmake --preset ci
cmake --build --preset ci -j2
exec "$@"
