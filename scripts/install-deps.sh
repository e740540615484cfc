#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Wendle need,
# and only those that are missing, so a second run costs nothing.
# The one list of packages; `make run` and `make test` both call this script, and
# `make fuzz`, `make bench`, `make conformance` and `make test-fresh` add their own group:
#   install-deps.sh [fuzz] [bench] [conformance] [fresh]
set -euo pipefail

packages=(
  g++ cmake make pkg-config git
  clang-format-14         # the style check of make test
  qt6-base-dev            # Qt 6 Widgets, with Qt Test
  libmicrohttpd-dev       # the preview server (GNU libmicrohttpd)
  libxxhash-dev           # the digest that tells another program's change to a project
  libmd4c-dev libmd4c-html0-dev   # Markdown pages: md4c's CommonMark parser and HTML renderer
  libenchant-2-dev        # spelling, through the desktop's spelling layer (tests bring their
                          # own dictionaries)
  libgtest-dev libgmock-dev   # GoogleTest and GoogleMock
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n  # lupdate, lrelease
                          # and their CMake functions; Qt's own catalogues
  fonts-dejavu-core       # text metrics for the offscreen widget tests
  fonts-wqy-microhei      # Japanese and Chinese glyphs, so captions are measured as drawn
  xvfb xauth xdotool imagemagick            # the real-window smoke test and its screenshot
  strace                  # the order of writes, flushes and renames
  chromium chromium-driver python3-selenium   # a real browser for the live preview
  dbus at-spi2-core python3-pyatspi         # the window read as a screen reader reads it
  dpkg-dev file lintian man-db              # the Debian package and its checks
  desktop-file-utils appstream libxml2-utils
)
for group in "$@"; do
  case $group in
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;          # libFuzzer and its sanitizers
    bench) packages+=(libbenchmark-dev valgrind hugo pandoc libxcb1-dev time cmark-gfm) ;;
                         # Google Benchmark, callgrind, peers; X events for timing start-up;
                         # GNU time for peak memory
    conformance) command -v npm > /dev/null || packages+=(npm) ;;  # npm pack fetches the
                         # examples (a Node.js installed from elsewhere brings its own npm)
    fresh) packages+=(debootstrap) ;;                           # a minimal Debian 12 to test in
    *) echo "unknown package group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Run as root, or install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
