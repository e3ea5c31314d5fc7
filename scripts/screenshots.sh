#!/usr/bin/env bash
# Takes the README's screenshots from the player running on the sample program folder in
# a virtual display: the root screen, and a course's top screen opened by a click on its
# course button. Writes docs/screenshots/root.png and docs/screenshots/course.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" screenshots
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target lumora scplayer
cp "$here/build/scplayer" "$here/sample/SCPLAYER.EXE"
out="$here/docs/screenshots"
mkdir -p "$out"
cd "$here/sample"
export QT_QPA_PLATFORM=xcb

LUMORA_SCREENSHOT="$out/root.png" LUMORA_SCREENSHOT_DELAY=2000 \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$here/build/lumora"

# The sample places the window at 20,20; the first course button's centre lies about
# 675,116 on the screen.
LUMORA_SCREENSHOT="$out/course.png" LUMORA_SCREENSHOT_DELAY=5000 \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c \
  '"$0" & sleep 2; xdotool mousemove 675 116 click 1; wait' "$here/build/lumora"
echo "Screenshots written to $out"
