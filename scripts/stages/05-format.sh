#!/usr/bin/env bash
# Every tracked C++ file as clang-format (14, Debian 12's) and the root's .clang-format lay
# it out: any file that would change fails the stage, naming the lines. Header templates
# are checked with each @NAME@ placeholder read as the identifier _NAME_, of the same
# length. Then every path, preset, script and target the docs name must exist
# (scripts/check-docs.py).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux
status=0
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror || status=1
mapfile -d '' -t templates < <(git ls-files -z -- '*.h.in' '*.cpp.in')
for template in "${templates[@]}"; do
    sed -E 's/@([A-Za-z0-9_]+)@/_\1_/g' "$template" |
        clang-format --dry-run -Werror --assume-filename="$template" || status=1
done
echo "$(($(git ls-files -- '*.cpp' '*.h' | wc -l) + ${#templates[@]})) C++ files checked"
python3 scripts/check-docs.py || status=1
exit "$status"
