#!/usr/bin/env bash
# Skarvel for Windows: the Qt toolkit (scripts/windows-qt.sh says where it came from), the
# cross build with warnings as errors, and every Windows test under Wine: the unit and
# widget tests, the launcher's Wine suite, the installer from install to uninstall and the
# desktop matrix's Wine rows.
# At the end it names every test program that Wine failed to start and that therefore ran
# a second time, and every test that took more than 10 s of wall time.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux windows
started=$SECONDS
SKARVEL_WINDOWS_QT=$(scripts/windows-qt.sh)
export SKARVEL_WINDOWS_QT
cmake --preset windows
cmake --build --preset windows -j2
build=build/windows
retries=$build/tests/wine-retries.log
rm -f "$retries"
status=0
ctest --preset windows | tee "$build/ctest-windows.log" || status=$?
echo "Tests over 10 s of wall time:"
sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: (.*[^ .]) \.+ *(.*[^ ]) +([0-9.]+) sec$/\3 s  \1  (\2)/p' \
    "$build/ctest-windows.log" | awk '$1 > 10' | sort -rn | sed 's/^/  /'
if [ -s "$retries" ]; then
    echo "Wine failed to start these test programs, which then ran once more:"
    sed 's/^/  /' "$retries"
else
    echo "Wine started every test program at the first try."
fi
echo "Windows stage: $((SECONDS - started)) s"
exit "$status"
