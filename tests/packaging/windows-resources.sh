#!/usr/bin/env bash
# Decompiles the resources that the build compiled into the program's object with MinGW's
# resource compiler, and checks what they hold: the version from the CMake project, two
# icon images and the as-invoker manifest.
# Usage: windows-resources.sh WINDRES RESOURCE_OBJECT FILEVERSION (e.g. 1,0,0,0)
set -euo pipefail
windres="$1" object="$2" version="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -s "$object" ] || fail "no resource object '$object'"
decompiled=$(mktemp)
trap 'rm -f "$decompiled"' EXIT
# Decompiled, the object lists every resource with its contents.
"$windres" --input "$object" --input-format coff --output "$decompiled" --output-format rc

# The decompiler writes numbers in lists as "1, 0, 0, 0".
listed="${version//,/, }"
grep -q "^ *FILEVERSION $listed\$" "$decompiled" || fail "FILEVERSION is not $version"
grep -q "^ *PRODUCTVERSION $listed\$" "$decompiled" || fail "PRODUCTVERSION is not $version"
icons=$(grep -c -E '^[0-9]+ 3 /\* RT_ICON' "$decompiled" || true)
[ "$icons" -eq 2 ] || fail "expected 2 icon images, found $icons"
grep -q -E '^"IDI_SKARVEL" 14 ' "$decompiled" || fail "no icon group named IDI_SKARVEL"
grep -a -q 'requestedExecutionLevel level="asInvoker"' "$object" ||
    fail "the manifest does not ask for the invoker's rights"
echo "Windows resources: version $version, $icons icon images, as-invoker manifest"
