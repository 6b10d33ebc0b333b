#!/usr/bin/env bash
# The Debian package of the ci build: packed with CPack, its dependencies resolved by a
# simulated apt installation, then unpacked, validated and started offscreen.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset ci
cmake --build --preset ci -j2
rm -rf build/ci/package
(cd build/ci && cpack)
shopt -s nullglob
debs=(build/ci/package/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "expected one package in build/ci/package, found ${#debs[@]}" >&2
    exit 1
fi
dpkg-deb --info "${debs[0]}"
dpkg-deb --contents "${debs[0]}"
# Every dependency must be one apt can satisfy; nothing is installed.
apt-get install --simulate --no-install-recommends "./${debs[0]}" >build/ci/package/apt.log ||
    { cat build/ci/package/apt.log; exit 1; }
bash tests/packaging/package-check.sh "${debs[0]}"
