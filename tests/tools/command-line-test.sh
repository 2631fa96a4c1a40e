#!/usr/bin/env bash
# quarrow --help and --version print, exit 0 and end before any window or setting: no display is
# needed and no settings file appears.
set -euo pipefail
program="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" WINEPREFIX="$work/wine"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$program" --help > "$work/help.txt"
grep -q '^Usage: ' "$work/help.txt" || { cat "$work/help.txt"; exit 1; }
grep -q -- '--version' "$work/help.txt" || { cat "$work/help.txt"; exit 1; }
grep -q 'Flight Simulator 2004' "$work/help.txt" || { cat "$work/help.txt"; exit 1; }
[ "$("$program" --version)" = "Quarrow $version" ] || { "$program" --version; exit 1; }
"$program" -h > /dev/null
[ ! -e "$work/home" ] && [ ! -e "$work/config" ] || { find "$work"; echo "settings touched"; exit 1; }
echo "command line: all checks passed"
