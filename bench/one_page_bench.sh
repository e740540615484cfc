#!/usr/bin/env bash
# One page per process, 100 times in a row: wendle --output against pandoc --template with the
# same template, title and text, and against the bare start-up of the binary (--version).
# Usage: one_page_bench.sh WENDLE   (ONE_PAGE_RUNS, default 100)
set -euo pipefail
wendle=$(realpath "$1")
runs=${ONE_PAGE_RUNS:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '<html><head><title>%%s</title></head><body><pre>%%s</pre></body></html>\n' > t.html
sed 's/%s/$title$/; s/%s/$body$/' t.html > pandoc.html
for ((i = 0; i < 40; i++)); do echo "A line of the page's text, number $i, long enough to count."; done > body.txt
export XDG_CONFIG_HOME=$work
loop() {  # NAME COMMAND...: milliseconds a page
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "${@:2}" > /dev/null; done
  end=$(date +%s%N)
  echo "$(( (end - start) / runs / 1000 ))" > "$1.us"
}
for round in 1 2 3; do  # taking turns; the last round counts, the first two warm the caches
  loop wendle "$wendle" --output p.html --template t.html --title T --text body.txt
  loop pandoc pandoc --template=pandoc.html -M title=T -f markdown -t html -o q.html body.txt
  loop bare "$wendle" --version
done
awk -v w="$(cat wendle.us)" -v p="$(cat pandoc.us)" -v b="$(cat bare.us)" -v n="$runs" 'BEGIN {
  printf "one page a process, %d pages: wendle --output %.2f ms, pandoc --template %.2f ms, bare start-up (wendle --version) %.2f ms; wendle / pandoc %.2f, wendle / bare %.2f\n",
         n, w / 1000, p / 1000, b / 1000, w / p, w / b }'
