#!/usr/bin/env bash
# Every tracked C++ file as clang-format (14, Debian 12's) and the root's .clang-format lay
# it out: any file that would change fails the stage, naming the lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "$(git ls-files -- '*.cpp' '*.h' | wc -l) C++ files formatted"
