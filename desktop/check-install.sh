#!/usr/bin/env bash
# Installs a build into a scratch folder, checks that every installed piece is there,
# and validates the desktop entry and the AppStream file with the standard validators.
#   check-install.sh <build folder> <scratch folder> <install prefix>
set -euo pipefail
build=$1
stage=$2
prefix=$3
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" >/dev/null
root="$stage$prefix"
id=sk.lumora.lumora
for f in bin/lumora share/lumora/sample/SCPLAYER.EXE share/lumora/sample/CONFIG.TXT \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
  [ -e "$root/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
[ -x "$root/bin/lumora" ] && [ -x "$root/share/lumora/sample/SCPLAYER.EXE" ] || { echo "not executable" >&2; exit 1; }
# The PNG icons have the sizes their folders name.
for size in 48 256; do
  file=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  dims=$(od -An -tu1 -j16 -N8 "$file" | awk '{print ($1*16777216+$2*65536+$3*256+$4) "x" ($5*16777216+$6*65536+$7*256+$8)}')
  [ "$dims" = "${size}x${size}" ] || { echo "$file is $dims" >&2; exit 1; }
done
grep -qx "Path=$prefix/share/lumora/sample" "$root/share/applications/$id.desktop" || { echo "wrong Path=" >&2; exit 1; }
desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml"
"$root/bin/lumora" --version
echo "installed and valid"
