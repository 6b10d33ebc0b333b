#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the stages in
# scripts/stages run in name order, and the first that fails stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# Widget tests need no display; a caller that wants a real one sets its own.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

passed=0
for stage in scripts/stages/*.sh; do
    echo "== ${stage##*/}"
    bash "$stage" # a failing stage ends the run here, through set -e
    passed=$((passed + 1))
done
echo "stages: ${passed} passed, 0 failed"
