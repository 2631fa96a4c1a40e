#!/usr/bin/env bash
# quarrow-cfg on every real file: its output is a fixed point of itself, --renumber numbers areas
# 1 to n, and an output that cannot be written gives a message and a non-zero status.
set -euo pipefail
tool="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for file in "$data"/*.cfg; do
    "$tool" roundtrip "$file" "$work/once.cfg"
    "$tool" roundtrip "$work/once.cfg" "$work/twice.cfg"
    cmp "$work/once.cfg" "$work/twice.cfg"
done

"$tool" roundtrip --renumber "$data/p3d-fragment-pastebin-jWrAYYAS.cfg" "$work/renumbered.cfg"
headers="$(grep -a -o '^\[Area\.[0-9]*\]' "$work/renumbered.cfg" | tr -d '\n')"
[ "$headers" = "[Area.001][Area.002][Area.003]" ] || { echo "renumbered headers: $headers"; exit 1; }
grep -a -q $'^Layer=3\r$' "$work/renumbered.cfg" || { echo "layer 3 missing"; exit 1; }

"$tool" roundtrip "$work/missing-input.cfg" "$work/empty.cfg"
printf '[General]\r\nTitle=\r\nDescription=\r\nClean_on_Exit=FALSE\r\n\r\n' | cmp - "$work/empty.cfg"

if "$tool" roundtrip "$data/fsx-tpn-fsx.cfg" "$work/no/such/folder/out.cfg" 2> "$work/err.txt"; then
    echo "writing into a missing folder succeeded"; exit 1
fi
grep -q "Ungültiger Dateiname" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
echo "quarrow-cfg: all checks passed"
