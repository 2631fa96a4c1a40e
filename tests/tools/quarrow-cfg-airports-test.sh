#!/usr/bin/env bash
# quarrow-cfg airports on a copy of the demo host folder: the one airport two active add-on areas
# define, with the area in the higher layer first; none once one of them is inactive; status 2 for a
# missing library or a wrong call.
set -euo pipefail
tool="$1"
demo="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export WINEPREFIX="$work/no-prefix"
cp -R "$demo" "$work/fs9"

status=0
"$tool" airports "$work/fs9/Scenery.cfg" > "$work/out.txt" 2> "$work/err.txt" || status=$?
[ "$status" = 1 ] || { echo "airports on the demo gave status $status"; cat "$work/err.txt"; exit 1; }
printf 'PALH\tArea.033\tNorthern Lakes Pack\tArea.032\tBush Strips of Alaska\n' | cmp - "$work/out.txt" \
    || { cat "$work/out.txt"; exit 1; }
[ "$(cat "$work/err.txt")" = "2 airports in 4 files checked." ] || { cat "$work/err.txt"; exit 1; }

# Northern Lakes Pack made inactive, the library read from elsewhere with the host folder given.
sed '/^Title=Northern Lakes Pack/,/^Active/ s/^Active=TRUE/Active=FALSE/' "$work/fs9/Scenery.cfg" > "$work/other.cfg"
"$tool" airports "$work/other.cfg" --host "$work/fs9" > "$work/out.txt" 2> "$work/err.txt"
[ ! -s "$work/out.txt" ] || { cat "$work/out.txt"; exit 1; }
[ "$(cat "$work/err.txt")" = "2 airports in 3 files checked." ] || { cat "$work/err.txt"; exit 1; }

for args in "airports" "airports $work/no-such.cfg" "airports $work/other.cfg --host $work/no-such-folder" \
    "airports $work/other.cfg --hots $work/fs9"; do
    status=0
    "$tool" $args > /dev/null 2>&1 || status=$?
    [ "$status" = 2 ] || { echo "$args gave status $status"; exit 1; }
done
echo "quarrow-cfg airports: all checks passed"
