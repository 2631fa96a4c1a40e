#!/usr/bin/env bash
# quarrow-cfg airports on a copy of the demo host folder: the airports defined by several files (two
# areas, or two files of one area), the area in the higher layer first; the folder two areas list; the
# file made for FSX; a file cut short. No line once those areas are inactive; status 2 for a missing
# library or a wrong call.
set -euo pipefail
tool="$1"
demo="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export WINEPREFIX="$work/no-prefix"
cp -R "$demo" "$work/fs9"

head -c 70 "$work/fs9/Addon Scenery/LSZH/scenery/LSZH.bgl" > "$work/fs9/Addon Scenery/LOWI/Scenery/cut.bgl"
status=0
"$tool" airports "$work/fs9/Scenery.cfg" > "$work/out.txt" 2> "$work/err.txt" || status=$?
[ "$status" = 1 ] || { echo "airports on the demo gave status $status"; cat "$work/err.txt"; exit 1; }
{ printf 'EDDM\tArea.026\tAddon Scenery\tArea.026\tAddon Scenery\n'
  printf 'PALH\tArea.033\tNorthern Lakes Pack\tArea.032\tBush Strips of Alaska\n'
  printf 'twice\tArea.035\tZurich Airport Update\tArea.027\tZ\xfcrich Kloten Airport\n'
  printf 'later\tArea.028\tInnsbruck Alpine Approach\tAddon Scenery\\LOWI\\Scenery\\LOWI_FSX.bgl\n'
  printf 'unreadable\tArea.028\tInnsbruck Alpine Approach\tAddon Scenery\\LOWI\\Scenery\\cut.bgl\t%s\n' \
      "cut short or pointing outside itself"; } | cmp - "$work/out.txt" \
    || { cat "$work/out.txt"; exit 1; }
expected="3 airports in 8 files checked, 1 unreadable, 1 made for a later simulator."
[ "$(cat "$work/err.txt")" = "$expected" ] || { cat "$work/err.txt"; exit 1; }

# Those areas made inactive, the library read from elsewhere with the host folder given.
sed '/^Title=\(Addon Scenery\|Innsbruck\|Northern Lakes\|Zurich\)/,/^Active/ s/^Active=TRUE/Active=FALSE/' \
    "$work/fs9/Scenery.cfg" > "$work/other.cfg"
"$tool" airports "$work/other.cfg" --host "$work/fs9" > "$work/out.txt" 2> "$work/err.txt"
[ ! -s "$work/out.txt" ] || { cat "$work/out.txt"; exit 1; }
[ "$(cat "$work/err.txt")" = "2 airports in 2 files checked." ] || { cat "$work/err.txt"; exit 1; }

for args in "airports" "airports $work/no-such.cfg" "airports $work/other.cfg --host $work/no-such-folder" \
    "airports $work/other.cfg --hots $work/fs9"; do
    status=0
    "$tool" $args > /dev/null 2>&1 || status=$?
    [ "$status" = 2 ] || { echo "$args gave status $status"; exit 1; }
done
echo "quarrow-cfg airports: all checks passed"
