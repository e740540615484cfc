#!/usr/bin/env bash
# Start-up time, from exec to the window shown, of wendle and of a minimal Qt dialog (the
# floor), alternating runs under one virtual X server; prints the medians and their ratio.
# Usage: startup_bench.sh WENDLE MINIMAL_DIALOG [EARLIER_WENDLE]   (STARTUP_RUNS, default 21)
# EARLIER_WENDLE, another build (an earlier release, say), takes turns with the two.
# STARTUP_LANGUAGE=de: then also wendle in that language against wendle in English, by turns.
set -euo pipefail
if [[ -z ${WENDLE_BENCH_IN_X:-} ]]; then
  # -noreset: by default the server resets when its last client leaves, and a program that
  # starts during the reset cannot connect.
  WENDLE_BENCH_IN_X=1 exec timeout 600 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM
# xvfb-run can return before the server takes connections; wait for it, up to 10 s.
for ((i = 0; i < 100; i++)); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done
wendle=$1
minimal=$2
shown=$(dirname "$minimal")/window_shown
earlier=${3:-}
runs=${STARTUP_RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Template File]\nFileName=t.html\n' > "$work/wendle.ini"

# Microseconds from exec until the X server maps a window of that title (window_shown, built
# beside the minimal dialog, waits for the server's event instead of polling).
measure() {  # TITLE PROGRAM [ARGUMENTS...]
  "$shown" "$@"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > "$work/wendle.times"; : > "$work/minimal.times"; : > "$work/earlier.times"
measure "Tasco's Wendle" "$wendle" > /dev/null  # warm the caches once for each
measure 'Minimal Dialog' "$minimal" > /dev/null
for ((i = 0; i < runs; i++)); do
  measure "Tasco's Wendle" "$wendle" >> "$work/wendle.times"
  measure 'Minimal Dialog' "$minimal" >> "$work/minimal.times"
  [[ -z $earlier ]] || measure "Tasco's Wendle" "$earlier" >> "$work/earlier.times"
done
w=$(median < "$work/wendle.times")
m=$(median < "$work/minimal.times")
awk -v w="$w" -v m="$m" -v n="$runs" 'BEGIN {
  printf "start-up to window shown, median of %d runs: wendle %.1f ms, minimal Qt dialog %.1f ms, ratio %.2f\n",
         n, w / 1000, m / 1000, w / m }'
if [[ -n $earlier ]]; then
  e=$(median < "$work/earlier.times")
  awk -v w="$w" -v e="$e" 'BEGIN { printf "the earlier build %.1f ms; this one / the earlier one %.2f\n", e / 1000, w / e }'
fi
if [[ -n ${STARTUP_LANGUAGE:-} ]]; then
  : > "$work/language.times"; : > "$work/english.times"
  for ((i = 0; i < runs; i++)); do
    measure "Tasco's Wendle" env LANGUAGE="$STARTUP_LANGUAGE" "$wendle" >> "$work/language.times"
    measure "Tasco's Wendle" env LANGUAGE=en "$wendle" >> "$work/english.times"
  done
  l=$(median < "$work/language.times")
  e=$(median < "$work/english.times")
  awk -v l="$l" -v e="$e" -v lang="$STARTUP_LANGUAGE" 'BEGIN {
    printf "with the %s catalogue %.1f ms, in English %.1f ms; ratio %.2f\n", lang, l / 1000, e / 1000, l / e }'
fi
