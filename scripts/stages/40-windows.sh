#!/usr/bin/env bash
# Skarvel for Windows: the Qt toolkit (scripts/windows-qt.sh says where it came from), the
# cross build with warnings as errors, and every Windows test under Wine: the unit and
# widget tests, the launcher's Wine suite and the installer from install to uninstall.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
SKARVEL_WINDOWS_QT=$(scripts/windows-qt.sh)
export SKARVEL_WINDOWS_QT
cmake --preset windows
cmake --build --preset windows -j2
ctest --preset windows
echo "Windows stage: $((SECONDS - started)) s"
