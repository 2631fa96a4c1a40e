#!/usr/bin/env bash
# The Debian package holds the programs, the desktop entry, the icons and the metainfo, its entry and
# metainfo pass their validators, and its dependencies were found by the tools.
set -euo pipefail
deb="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
share="$work/usr/share"
desktop-file-validate "$share/applications/org.quarrow.Quarrow.desktop"
appstreamcli validate --no-net "$share/metainfo/org.quarrow.Quarrow.metainfo.xml" >/dev/null
for file in usr/bin/quarrow usr/bin/quarrow-cfg usr/share/icons/hicolor/scalable/apps/quarrow.svg \
    usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quarrow.png; do
    [ -s "$work/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/quarrow.png" | grep -q "$size x $size" ||
        { echo "icon ${size}x${size} has another size"; exit 1; }
done
depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || { echo "Depends: $depends"; exit 1; }
usage="$("$work/usr/bin/quarrow-cfg" 2>&1 || true)"
[[ "$usage" == "usage: quarrow-cfg"* ]] || { echo "quarrow-cfg does not run: $usage"; exit 1; }
echo "package: all checks passed"
