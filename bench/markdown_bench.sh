#!/usr/bin/env bash
# Markdown pages of 1 MiB and 64 MiB (bench/markdown_corpus.py, kept in out/markdown/), by turns
# in one run: md4c's HTML renderer alone writing to a file (the floor, markdown_floor), the
# cmark-gfm command with GitHub's extensions, pandoc -f gfm --template (1 MiB only), and
# wendle -o --from markdown beside the HTML build of the same text once wendle takes --from.
# Prints each one's median wall-clock and processor time, with their ratios to the floor's, and
# its median peak memory.
# Usage: markdown_bench.sh WENDLE FLOOR   (MARKDOWN_RUNS, default 11)
set -euo pipefail
wendle=$(realpath "$1")
floor=$(realpath "$2")
runs=${MARKDOWN_RUNS:-11}
root=$(cd "$(dirname "$0")/.." && pwd)
corpus=$root/out/markdown
mkdir -p "$corpus"
for size in 1M 64M; do  # made once, and again when the generator changes
  [[ $corpus/$size.md -nt $root/bench/markdown_corpus.py ]] \
    || /usr/bin/python3 "$root/bench/markdown_corpus.py" "$size" "$corpus/$size.md"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '<html><head><title>%%s</title></head><body>%%s</body></html>\n' > t.html
sed 's/%s/$title$/; s/%s/$body$/' t.html > pandoc.html
export XDG_CONFIG_HOME=$work

# wendle's lines only once it builds a Markdown page; until then they are left out, saying why.
printf '# Probe\n' > probe.md
if "$wendle" -o probe.html --from markdown --text probe.md --template t.html 2> probe.err \
    && grep -q '<h1>Probe</h1>' probe.html; then
  with_wendle=1
else
  with_wendle=0
  echo "wendle -o --from markdown is left out: it does not build a Markdown page yet." \
       "$(head -c 200 probe.err | head -n 1)"
fi

# One run: its wall-clock microseconds into NAME.times, its processor time (user and system,
# the figure that the other workers on the machine disturb least) into NAME.cpu, and its peak
# resident KiB into NAME.peaks. times runs in this shell, where the children are counted.
children_cpu() { awk 'NR == 2 { gsub(",", "."); split($1, u, "m"); split($2, s, "m")
                               printf "%d\n", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1e6 }' "$1"; }
measure() {  # NAME STDOUT COMMAND...
  local start end
  times > cpu.before
  start=${EPOCHREALTIME//[!0-9]/}
  /usr/bin/time -f %M -o "$1.peak" "${@:3}" > "$2"
  end=${EPOCHREALTIME//[!0-9]/}
  times > cpu.after
  echo $((end - start)) >> "$1.times"
  echo $(($(children_cpu cpu.after) - $(children_cpu cpu.before))) >> "$1.cpu"
  cat "$1.peak" >> "$1.peaks"
}
round() {  # SIZE: every command once on that text
  local text=$corpus/$1.md
  measure "floor-$1" /dev/null "$floor" "$text" page.html
  measure "cmark-gfm-$1" page.html cmark-gfm --unsafe --extension table \
    --extension strikethrough --extension autolink --extension tasklist "$text"
  if [[ $1 == 1M ]]; then
    measure "pandoc-$1" /dev/null pandoc -f gfm --template pandoc.html -M title=T -o page.html "$text"
  fi
  if ((with_wendle)); then
    measure "wendle-md-$1" /dev/null "$wendle" -o page.html --from markdown --title T \
      --text "$text" --template t.html
    measure "wendle-html-$1" /dev/null "$wendle" -o page.html --from html --title T \
      --text "$text" --template t.html
  fi
}
for ((i = 0; i <= runs; i++)); do  # taking turns; the first round warms the caches
  round 1M
  round 64M
  if ((i == 0)); then rm -f ./*.times ./*.cpu ./*.peaks; fi
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for size in 1M 64M; do
  for name in floor cmark-gfm pandoc wendle-md wendle-html; do
    [[ -f $name-$size.times ]] || continue
    sort -n "$name-$size.times" | awk -v name="$name" -v size="$size" \
        -v base="$(median "floor-$size.times")" -v cpu="$(median "$name-$size.cpu")" \
        -v cpubase="$(median "floor-$size.cpu")" -v m="$(median "$name-$size.peaks")" '
      { v[NR] = $1 } END {
      t = v[int((NR + 1) / 2)]
      printf "markdown %-3s %-11s %d runs, against the floor: wall %.1f ms (%.1f to %.1f) %.2fx, " \
             "processor %.1f ms %.2fx; peak %.1f MiB\n", size, name, NR, t / 1000,
             v[1] / 1000, v[NR] / 1000, t / base, cpu / 1000, cpu / cpubase, m / 1024 }'
  done
done
