#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: each stage in
# scripts/stages runs in name order, all of them even when one fails, and the run ends
# with the count of failed stages (and fails if there is any).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# Widget tests need no display; a caller that wants a real one sets its own.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

passed=0
failed=()
for stage in scripts/stages/*.sh; do
    name="${stage##*/}"
    echo "== $name"
    started=$SECONDS
    if bash "$stage"; then
        passed=$((passed + 1))
        echo "== $name passed in $((SECONDS - started)) s"
    else
        failed+=("$name")
        echo "== $name FAILED after $((SECONDS - started)) s"
    fi
done
[ ${#failed[@]} -eq 0 ] || echo "failed stages: ${failed[*]}"
echo "whole run: $SECONDS s"
# The last line alone, in the form CI reads as the run's result.
echo "stages: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
