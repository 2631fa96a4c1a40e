#!/usr/bin/env bash
# quarrow-cfg.exe under Wine: on every real file it writes what the Linux build writes, byte for byte,
# and is a fixed point of itself; an unreadable input, an unwritable output and missing folders give the
# same exit statuses as on Linux. The Linux build is compared when its path is given.
set -euo pipefail
tool="$1"
data="$2"
native="${3:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run() { wine "$tool" "$@"; }

for file in "$data"/*.cfg; do
    run roundtrip "$file" "$work/once.cfg"
    run roundtrip "$work/once.cfg" "$work/twice.cfg"
    cmp "$work/once.cfg" "$work/twice.cfg"
    if [ -n "$native" ]; then
        "$native" roundtrip "$file" "$work/linux.cfg"
        cmp "$work/once.cfg" "$work/linux.cfg"
    fi
done

status=0
mkdir "$work/folder.cfg"
run roundtrip "$work/folder.cfg" "$work/out.cfg" 2> "$work/err.txt" || status=$?
[ "$status" = 2 ] || { echo "unreadable input gave status $status"; exit 1; }
status=0
run roundtrip "$data/fsx-tpn-fsx.cfg" "$work/no/such/folder/out.cfg" 2> "$work/err.txt" || status=$?
[ "$status" = 1 ] || { echo "writing into a missing folder gave status $status"; exit 1; }
grep -q "code 3" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }

mkdir -p "$work/host/Scenery/World"
printf '[Area.001]\r\nTitle=World\r\nLocal=scenery\\world\r\n\r\n[Area.002]\r\nTitle=Gone\r\nLocal=Gone\r\n' > "$work/host/Scenery.cfg"
status=0
run check "$work/host/Scenery.cfg" > "$work/check.txt" || status=$?
[ "$status" = 1 ] || { echo "check with a missing folder gave status $status"; exit 1; }
[ "$(cut -f1-3 "$work/check.txt")" = "$(printf 'Area.002\tGone\tGone')" ] || { cat "$work/check.txt"; exit 1; }

# A host folder in Program Files (x86) whose Scenery.cfg the system keeps as a per-user copy in the
# user's VirtualStore: where names the copy, as the simulator reads it.
programs="$(wine cmd /c 'echo %ProgramFiles(x86)%' | tr -d '\r')"
appdata="$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')"
fs9="$programs\\Quarrow Where Test $$\\Flight Simulator 9"
store="$appdata\\VirtualStore\\${fs9:3}"
trap 'rm -rf "$work" "$(winepath -u "$programs\\Quarrow Where Test $$")" "$(winepath -u "$appdata\\VirtualStore\\${programs:3}\\Quarrow Where Test $$")"' EXIT
mkdir -p "$(winepath -u "$fs9")" "$(winepath -u "$store")"
touch "$(winepath -u "$fs9\\Scenery.cfg")"
[ "$(run where --host "$fs9" | tr -d '\r')" = "$(printf '%s\\Scenery.cfg\tplain' "$fs9")" ] || { echo "where without a copy"; exit 1; }
touch "$(winepath -u "$store\\SCENERY.CFG")"
[ "$(run where --host "$fs9" | tr -d '\r')" = "$(printf '%s\\SCENERY.CFG\tper-user' "$store")" ] || { run where --host "$fs9"; exit 1; }
echo "quarrow-cfg.exe: all checks passed"
