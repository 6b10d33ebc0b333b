#!/usr/bin/env bash
# The system-information launcher's Windows layer, cross-built with MinGW-w64 and
# run under Wine against a private prefix in build/windows-sysinfo (no display).
set -euo pipefail
cmake --preset windows-sysinfo
cmake --build --preset windows-sysinfo -j2
ctest --preset windows-sysinfo
