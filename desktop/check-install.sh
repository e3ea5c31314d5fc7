#!/usr/bin/env bash
# Installs a build into a scratch prefix (not the one it was configured with), checks
# that every installed piece is there, validates the desktop entry and the AppStream file
# with the standard validators, and starts the desktop entry's command from that prefix
# in an empty home folder, with the PATH a desktop session has (the prefix's bin folder
# not on it), then launches the entry itself through GLib (gio launch) as menus do: both
# must open the installed sample courses.
#   check-install.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
stage=$2
rm -rf "$stage"
root="$stage/prefix"
cmake --install "$build" --prefix "$root" >/dev/null
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
entry=$root/share/applications/$id.desktop
# No folder fixed at configure time: the program finds its courses itself.
! grep -q "^Path=" "$entry" || { echo "the entry fixes a folder: $(grep '^Path=' "$entry")" >&2; exit 1; }
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml"
"$root/bin/lumora" --version

# The entry's command names the installed program by its absolute path.
command=$(sed -n 's/^Exec=//p' "$entry")
case "$command" in
  "$root/bin/lumora "*) ;;
  *) echo "the entry's command \"$command\" does not name $root/bin/lumora" >&2; exit 1 ;;
esac
sample=$(cd "$root/share/lumora/sample" && pwd)
desktop_path=/usr/local/bin:/usr/bin:/bin

# Runs a start in an empty home folder as a desktop session would; a screenshot ends the
# program once its first screen is up, and the program must have opened the sample.
started() {
  local name=$1
  shift
  local home=$stage/home-$name
  mkdir -p "$home"
  (
    cd "$home"
    export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_DATA_DIRS=$root/share
    export PATH=$desktop_path QT_QPA_PLATFORM=offscreen
    export LUMORA_SCREENSHOT=$stage/$name.png LUMORA_SCREENSHOT_DELAY=1500
    "$@"
  ) || { echo "$name: \"$*\" failed" >&2; exit 1; }
  # gio launch returns once the program is started: wait for its screenshot and its end.
  for _ in $(seq 1 240); do
    [ -s "$stage/$name.png" ] && [ -f "$home/.config/Lumora/lumora.ini" ] && break
    sleep 0.5
  done
  grep -q "^folders=$sample\$" "$home/.config/Lumora/lumora.ini" 2>/dev/null \
    || { echo "$name did not open $sample" >&2; cat "$home/.config/Lumora/lumora.ini" >&2 2>/dev/null; exit 1; }
}
# shellcheck disable=SC2086 # the command's words are split as the menu splits them
started command timeout 120 $command
started gio-launch gio launch "$entry"
echo "installed and valid; the menu entry opens $sample"
