#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's resource compiler, into the object
# the linker takes and into a resource file, and checks what that file holds: the
# version from the CMake project, two icon images and the as-invoker manifest.
# Usage: windows-resources.sh WINDRES RC_FILE WORK_DIR FILEVERSION (e.g. 1,0,0,0)
set -euo pipefail
windres="$1" rc="$2" work="$3" version="$4"
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
"$windres" --input "$rc" --output "$work/skarvel.res.o" --output-format coff
"$windres" --input "$rc" --output "$work/skarvel.res" --output-format res
# Decompiled, the resource file lists every resource with its contents.
"$windres" --input "$work/skarvel.res" --input-format res --output "$work/decompiled.rc" \
    --output-format rc

# The decompiler writes numbers in lists as "1, 0, 0, 0".
listed="${version//,/, }"
grep -q "^ *FILEVERSION $listed\$" "$work/decompiled.rc" || fail "FILEVERSION is not $version"
grep -q "^ *PRODUCTVERSION $listed\$" "$work/decompiled.rc" || fail "PRODUCTVERSION is not $version"
icons=$(grep -c -E '^[0-9]+ 3 /\* RT_ICON' "$work/decompiled.rc" || true)
[ "$icons" -eq 2 ] || fail "expected 2 icon images, found $icons"
grep -q -E '^"IDI_SKARVEL" 14 ' "$work/decompiled.rc" || fail "no icon group named IDI_SKARVEL"
grep -a -q 'requestedExecutionLevel level="asInvoker"' "$work/skarvel.res" ||
    fail "the manifest does not ask for the invoker's rights"
echo "Windows resources compile: version $version, $icons icon images, as-invoker manifest"
