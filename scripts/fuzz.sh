#!/usr/bin/env bash
# Runs every fuzz target for FUZZ_SECONDS (default 60) each, starting from the saved corpus in
# fuzz/corpus/, and prints the executions and time of each. New inputs go to out/fuzz/corpus/;
# a crashing input is written to out/fuzz/crashes/ and fails the run: copy it into
# fuzz/corpus/<target>/ so that `make test` replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=out/fuzz
mkdir -p "$build/crashes" "$build/logs"
summary=$build/summary.txt
: > "$summary"
status=0
for program in "$build"/fuzz/fuzz_*; do
  [[ -x $program && ! -d $program ]] || continue
  target=${program##*/fuzz_}
  mkdir -p "$build/corpus/$target"
  log=$build/logs/$target.log
  echo "fuzzing $target for ${seconds}s"
  if ! "$program" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
      -artifact_prefix="$build/crashes/$target-" \
      "$build/corpus/$target" "fuzz/corpus/$target" > "$log" 2>&1; then
    echo "FAULT in $target: see $log and $build/crashes/" | tee -a "$summary"
    status=1
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  files=$(find "$build/corpus/$target" -type f | wc -l)
  printf '%-20s %12s executions in %5ss, no fault; corpus %s inputs\n' \
    "$target" "$runs" "$took" "$files" | tee -a "$summary"
done
echo "summary in $summary"
exit $status
