#!/usr/bin/env bash
# CommonMark's 652 examples (npm package commonmark-spec 0.31.2, fetched once into
# out/conformance/) through a command that reads Markdown on standard input and writes HTML on
# standard output; prints "N of 652 examples pass" and the failing examples by section.
# Usage: conformance.sh COMMAND [ARGUMENTS...]   (CONFORMANCE_DIFFS=1: each failure in full)
# out/conformance/markers.html holds just the two markers, as a page build's --template.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/out/conformance
mkdir -p "$dir"
if [[ ! -s $dir/package/index.js ]]; then
  rm -rf "$dir/package"
  tarball=$(cd "$dir" && npm pack --silent commonmark-spec@0.31.2)
  tar -xzf "$dir/$tarball" -C "$dir"
fi
printf '%%s%%s' > "$dir/markers.html"
# The package's own extraction of the examples (index.js), as commonmark.js's tests use it.
node -e 'process.stdout.write(JSON.stringify(require(process.argv[1]).tests))' "$dir/package" \
  > "$dir/examples.json"
/usr/bin/python3 "$root/scripts/conformance.py" "$dir/examples.json" "$@"
