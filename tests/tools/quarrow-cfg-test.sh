#!/usr/bin/env bash
# quarrow-cfg on every real file: its output is a fixed point of itself, --renumber numbers areas
# 1 to n, an input that exists but cannot be read is an error, and an output that cannot be written
# gives a message and status 1 and stays as it was, also when the kernel refuses the final bytes;
# check lists exactly the areas whose folder a fake host folder lacks and refuses a missing file or
# folder; where names a pending NewScenery.cfg; file names match in any case.
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
grep -q "cannot write $work/no/such/folder/out.cfg: No such file or directory (code 3)" "$work/err.txt" \
    || { cat "$work/err.txt"; exit 1; }
# A file under /proc exists but cannot be replaced: the system's reason, in the tool's own words.
"$tool" roundtrip "$data/fsx-tpn-fsx.cfg" /proc/version 2> "$work/err.txt" && exit 1
grep -q "cannot write /proc/version: no new file can be made in /proc: No such file or directory" "$work/err.txt" \
    || { cat "$work/err.txt"; exit 1; }

# Areas numbered past 1999 would be lost in OUT: written only with --yes, and said either way.
{ printf '[General]\r\n'; for n in 1 2000 4999; do printf '[Area.%03d]\r\nLocal=a%d\r\n' $n $n; done; } > "$work/big.cfg"
echo "old output" > "$work/kept.cfg"
status=0
"$tool" roundtrip "$work/big.cfg" "$work/kept.cfg" 2> "$work/err.txt" || status=$?
[ "$status" = 1 ] && [ "$(cat "$work/kept.cfg")" = "old output" ] || { echo "unshown areas: status $status"; exit 1; }
printf 'quarrow-cfg: 2 areas of %s are not shown (numbered 2000 or above): a save removes them.\nquarrow-cfg: %s not written; --yes writes it all the same.\n' \
    "$work/big.cfg" "$work/kept.cfg" | cmp - "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
"$tool" roundtrip --yes "$work/big.cfg" "$work/kept.cfg" 2> /dev/null
[ "$(grep -c '^\[Area' "$work/kept.cfg")" = 1 ] || { cat "$work/kept.cfg"; exit 1; }

mkdir "$work/folder.cfg"
echo "old output" > "$work/kept.cfg"
status=0
"$tool" roundtrip "$work/folder.cfg" "$work/kept.cfg" 2> "$work/err.txt" || status=$?
[ "$status" = 2 ] || { echo "unreadable input gave status $status"; exit 1; }
grep -q "cannot read $work/folder.cfg: not a regular file" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
[ "$(cat "$work/kept.cfg")" = "old output" ] || { echo "output changed after a failed read"; exit 1; }

# A 2 KiB file-size limit, with SIGXFSZ ignored: the write fails in the final flush, as on a full disk.
status=0
(trap '' XFSZ; ulimit -f 2; exec "$tool" roundtrip "$data/fsx-tpn-fsx.cfg" "$work/kept.cfg") 2> "$work/err.txt" || status=$?
[ "$status" = 1 ] || { echo "write past the file-size limit gave status $status"; exit 1; }
grep -q "cannot write $work/kept.cfg: File too large (code 101)" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
[ "$(cat "$work/kept.cfg")" = "old output" ] || { echo "output replaced by a cut-off file"; exit 1; }
[ "$(ls "$work" | grep -c kept)" = 1 ] || { ls "$work"; echo "temporary file left"; exit 1; }
host="$work/host"
mkdir -p "$host/Addon Scenery/EDDM" "$host/Scenery/World"
printf '[Area.001]\r\nTitle=World\r\nLocal=scenery\\world\\\r\n\r\n[Area.002]\r\nTitle=Munich\r\nLocal=ADDON SCENERY\\eddm\r\n\r\n[Area.010]\r\nTitle=Gone\r\nLocal=Addon Scenery\\Gone\r\n\r\n[Area.011]\r\nTitle=Z\xfcrich\r\nLocal=Addon Scenery\\Z\xfcrich\r\n' > "$host/Scenery.cfg"
status=0
"$tool" check "$host/Scenery.cfg" > "$work/check.txt" || status=$?
[ "$status" = 1 ] || { echo "check with missing folders gave status $status"; exit 1; }
printf 'Area.010\tGone\tAddon Scenery\\Gone\t%s/Addon Scenery/Gone\nArea.011\tZ\xfcrich\tAddon Scenery\\Z\xfcrich\t%s/Addon Scenery/Z\xfcrich\n' "$host" "$host" \
    | cmp - "$work/check.txt" || { cat "$work/check.txt"; exit 1; }
mkdir "$host/Addon Scenery/gone" "$host/Addon Scenery/ZÜRICH"
cp "$host/Scenery.cfg" "$work/elsewhere.cfg"
"$tool" check "$work/elsewhere.cfg" --host "$host" > "$work/check.txt"
[ ! -s "$work/check.txt" ] || { cat "$work/check.txt"; exit 1; }
status=0
"$tool" check "$work/folder.cfg" 2> "$work/err.txt" || status=$?
[ "$status" = 2 ] || { echo "check of an unreadable file gave status $status"; exit 1; }
for args in "check $work/no-such.cfg" "check $host/Scenery.cfg --host $work/no-such-folder"; do
    status=0
    "$tool" $args 2> "$work/err.txt" || status=$?
    [ "$status" = 2 ] && grep -q "no such" "$work/err.txt" || { echo "$args gave status $status"; cat "$work/err.txt"; exit 1; }
done
"$tool" --help | grep -q "^usage: quarrow-cfg roundtrip"
[ "$("$tool" --version)" = "quarrow-cfg 1.0" ] || { echo "wrong version line"; exit 1; }
printf '' > "$host/newscenery.CFG"
[ "$("$tool" where --host "$host")" = "$(printf '%s/newscenery.CFG\tpending' "$host")" ] || { echo "where did not name the pending file"; exit 1; }
# A library spelt otherwise is the one read and replaced: no second, empty library beside it.
lower="$work/lower"
mkdir "$lower"
cp "$data/fsx-tpn-fsx.cfg" "$lower/scenery.cfg"
"$tool" roundtrip "$lower/Scenery.cfg" "$lower/Scenery.cfg"
[ "$(ls "$lower")" = "scenery.cfg" ] || { ls "$lower"; echo "a second library was made"; exit 1; }
"$tool" roundtrip "$data/fsx-tpn-fsx.cfg" "$work/once.cfg"
cmp "$work/once.cfg" "$lower/scenery.cfg"
# Profiles on a copy of the demo: save, list, apply through the save pipeline (renumbered, a restore
# point of each write, a pending NewScenery.cfg consumed); nothing is written while a process named
# FS9.exe runs, nor when nothing changes.
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" WINEPREFIX="$work/wine"
demo="$work/demo"
cp -r "$(dirname "$0")/../../examples/fs9-demo" "$demo"
"$tool" roundtrip --renumber "$demo/Scenery.cfg" "$work/all.cfg"
[ "$("$tool" profile save All --host "$demo")" = "Profile All saved: 35 areas." ] || exit 1
awk '/^Active=TRUE/ && ++n >= 3 && n <= 5 { print "Active=FALSE\r"; next } { print }' "$demo/Scenery.cfg" > "$work/lean.cfg"
cp "$work/lean.cfg" "$demo/Scenery.cfg"
"$tool" profile save Lean --host "$demo" > /dev/null
"$tool" profile list --host "$demo" | cut -f 1,2 | diff - <(printf 'Lean\t29 of 35 areas active\nAll\t32 of 35 areas active\n')
[ "$("$tool" profile apply All --host "$demo")" = "3 areas switched on, 0 off." ] || exit 1
cmp "$work/all.cfg" "$demo/Scenery.cfg"
[ "$("$tool" profile apply all --host "$demo")" = "0 areas switched on, 0 off: the library already has the flags of profile All; nothing written." ] || exit 1
"$tool" profile apply Lean --host "$demo" > /dev/null
cp "$work/lean.cfg" "$demo/NEWSCENERY.cfg"
"$tool" profile apply All --host "$demo" > /dev/null
cmp "$work/all.cfg" "$demo/Scenery.cfg"
[ ! -e "$demo/NEWSCENERY.cfg" ] || { echo "the pending file was not consumed"; exit 1; }
points="$(ls "$XDG_DATA_HOME/Quarrow/Restore Points/"*/)"
[ "$(echo "$points" | wc -l)" = 4 ] && [ "$(echo "$points" | grep -c ' pending\.cfg$')" = 1 ] || { echo "$points"; exit 1; }
bash -c 'exec -a FS9.exe sleep 30' &
simulator=$!
until tr '\0' '\n' < /proc/$simulator/cmdline | grep -qx FS9.exe; do sleep 0.1; done
cp "$demo/Scenery.cfg" "$work/before.cfg"
status=0
"$tool" profile apply Lean --yes --host "$demo" 2> "$work/err.txt" || status=$?
kill $simulator
[ "$status" = 1 ] && cmp "$work/before.cfg" "$demo/Scenery.cfg" || { echo "apply while FS9.exe runs: $status"; exit 1; }
printf 'quarrow-cfg: Flight Simulator 2004 is running: it reads the library only when it starts.\nquarrow-cfg: %s not written while the simulator runs.\n' \
    "$demo/Scenery.cfg" | cmp - "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
# A folder spelt in another letter case and with the other separator is the same area.
sed 's/^Local=Scenery\\Global\r$/Local=SCENERY\/global\r/' "$work/lean.cfg" > "$demo/Scenery.cfg"
grep -q '^Local=SCENERY/global' "$demo/Scenery.cfg" || exit 1
[ "$("$tool" profile apply All --host "$demo")" = "3 areas switched on, 0 off." ] || { echo "another spelling was not matched"; exit 1; }
for args in "apply Missing --host $demo" "apply --host $demo" "list Lean --host $demo" "save a/b --host $demo"; do
    status=0
    "$tool" profile $args > /dev/null 2>&1 || status=$?
    [ "$status" = 2 ] || { echo "profile $args gave status $status"; exit 1; }
done
echo "quarrow-cfg: all checks passed"
