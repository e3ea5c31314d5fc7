#!/usr/bin/env bash
# Measures the player's memory over round trips from the root screen to the deepest
# level and back, from outside, on real windows in a virtual display: a course twenty
# levels deep is entered with Enter on its course button, each screen's first button
# opens the next one, and Backspace goes back level by level. After the trips listed
# the resident size (VmRSS) and the heap in use and held by the allocator (glibc's
# malloc_stats, called through gdb) are printed, one line per point.
#
#   scripts/roundtrip-memory.sh BUILD_DIR [TRIPS...]     (default trips: 1 5 10 20)
#   IDLE=S      the last point is followed by one more after S seconds at rest (default
#               40; 0 leaves it out)
#   HEAPTRACK=1 scripts/roundtrip-memory.sh ...          runs the player under heaptrack;
#       the program is killed at the root after the last trip, so heaptrack's "leaked"
#       figures are what was alive there (compare two runs with heaptrack_print --diff).
# Needs xvfb-run, xdotool, gdb and heaptrack, which scripts/install-deps.sh memory installs.
set -euo pipefail
"$(dirname "$0")/install-deps.sh" memory
build=$(cd "${1:?usage: $0 BUILD_DIR [TRIPS...]}" && pwd)
shift
points=("$@")
[ ${#points[@]} -gt 0 ] || points=(1 5 10 20)
last=${points[-1]}
player="$build/lumora"
[ -x "$player" ] || { echo "no player at $player" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program="$work/program"
mkdir -p "$program/Hĺbka" "$work/home" "$work/tmp"
printf '0*IP*x\r\n1*WIDTH*700\r\n1*HEIGHT*640\r\n1*LEFT CORNER*5\r\n1*TOP CORNER*6\r\n' >"$program/CONFIG.TXT"
# Level 2 is the course's top file; every screen names the next one, down to level 20.
printf '[Prvá kapitola]L3.txt\r\n[Iná kapitola]iny.txt\r\n//https://example.com\r\n' >"$program/Hĺbka/Obsah.txt"
for level in $(seq 3 20); do
  printf '[Kapitola %d]L%d.txt\r\n[Iná]iny.txt\r\n//https://example.com/%d\r\n' \
    "$level" $((level + 1)) "$level" >"$program/Hĺbka/L$level.txt"
done

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -uo pipefail
player=$1 program=$2 work=$3 last=$4
shift 4
points=" $* "
export HOME="$work/home" TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb
cd "$program"
if [ -n "${HEAPTRACK:-}" ]; then
  heaptrack -o "$work/heaptrack" "$player" "$program" 2>>"$work/player.err" >/dev/null &
else
  "$player" "$program" 2>>"$work/player.err" >/dev/null &
fi
launched=$!
# The player's own process (under heaptrack, the heaptrack script's child).
pid=""
for _ in $(seq 100); do
  if [ -n "${HEAPTRACK:-}" ]; then pid=$(pgrep -x lumora -P "$launched" || true); else pid=$launched; fi
  [ -n "$pid" ] && xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
  sleep 0.2
done
[ -n "$pid" ] || { echo "the player did not start" >&2; exit 1; }

shown() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n 1; }
# Sends a key to the one shown window and waits until another window shows instead.
step() {
  local before now
  before=$(shown)
  xdotool windowfocus --sync "$before" key "$1"
  for _ in $(seq 200); do
    now=$(shown)
    [ -n "$now" ] && [ "$now" != "$before" ] && return 0
    sleep 0.05
  done
  echo "no new window after $1" >&2
  exit 1
}
heap() {
  : >"$work/player.err" # opened for appending: the next report starts the file
  gdb -p "$pid" -batch -ex 'call (void) malloc_stats()' >/dev/null 2>&1
  # The totals are the last three lines: system bytes, in use bytes, then mmap.
  awk '/^Total \(incl. mmap\):/ {t=1} t && /system bytes/ {s=$4} t && /in use bytes/ {u=$5} END {printf "%d %d", s/1024, u/1024}' "$work/player.err"
}
sleep 1
printf '%-6s %10s %14s %12s\n' trip rss_kB heap_system_kB heap_used_kB
read -r sys used < <(heap)
printf '%-6s %10s %14s %12s\n' 0 "$(awk '/VmRSS/ {print $2}' /proc/$pid/status)" "$sys" "$used"
for trip in $(seq "$last"); do
  for _ in $(seq 2 20); do step Return; done
  for _ in $(seq 2 20); do step BackSpace; done
  if [[ "$points" == *" $trip "* ]]; then
    sleep 0.5
    read -r sys used < <(heap)
    printf '%-6s %10s %14s %12s\n' "$trip" "$(awk '/VmRSS/ {print $2}' /proc/$pid/status)" "$sys" "$used"
  fi
done
# The pixmap cache drops the names of entries it no longer holds 30 seconds after its last
# insertion: one more point after a pause longer than that.
if [ "${IDLE:-40}" -gt 0 ]; then
  sleep "${IDLE:-40}"
  read -r sys used < <(heap)
  printf '%-6s %10s %14s %12s\n' "idle" "$(awk '/VmRSS/ {print $2}' /proc/$pid/status)" "$sys" "$used"
fi
kill -9 "$pid"
wait 2>/dev/null || true
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$work/drive.sh" "$player" "$program" "$work" "$last" "${points[@]}"
if [ -n "${HEAPTRACK:-}" ]; then
  mkdir -p "$build/heaptrack"
  for f in "$work"/heaptrack*; do cp "$f" "$build/heaptrack/trips-$last.${f##*.}"; done
  echo "heaptrack data: $build/heaptrack/trips-$last.*"
fi
