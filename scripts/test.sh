#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: each stage in
# scripts/stages runs, all of them even when one fails, and the run ends with the count of
# failed stages (and fails if there is any). The fuzz, Windows and package stages run in a
# lane beside the others from the start, the Windows packages installing during the fuzz
# stage, so that both lanes end at about the same time; that lane's output follows the
# other's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh linux

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
stage() { # stage SCRIPT: runs it, says how it went and notes a failure in $results/failed
    local name=${1##*/} started=$SECONDS
    echo "== $name"
    if bash "$1"; then
        echo "== $name passed in $((SECONDS - started)) s"
    else
        echo "== $name FAILED after $((SECONDS - started)) s"
        echo "$name" >>"$results/failed"
    fi
}

beside=(scripts/stages/30-fuzz.sh scripts/stages/40-windows.sh scripts/stages/50-package.sh)
{
    # A failed install shows as the failure of the stages that need it.
    scripts/setup.sh windows >"$results/setup.log" 2>&1 &
    installing=$!
    for script in "${beside[@]}"; do
        if [ "$script" == scripts/stages/40-windows.sh ]; then
            wait "$installing" || true
            cat "$results/setup.log"
        fi
        stage "$script"
    done
} >"$results/beside.log" 2>&1 &
stages=("${beside[@]}")
for script in scripts/stages/*.sh; do
    [[ " ${beside[*]} " == *" $script "* ]] && continue
    stages+=("$script")
    stage "$script"
done
wait
cat "$results/beside.log"

failed=()
[ -f "$results/failed" ] && mapfile -t failed <"$results/failed"
[ ${#failed[@]} -eq 0 ] || echo "failed stages: ${failed[*]}"
echo "whole run: $SECONDS s"
# The last line alone, in the form CI reads as the run's result.
echo "stages: $((${#stages[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
