#!/usr/bin/env bash
# Starts the real program in a virtual X server, as a user would, and closes it with Escape.
#   1. With a profile that names a template: the main window appears; a screenshot is saved.
#   2. With no profile: the template prompt appears first, and the main window only after it.
# Usage: smoke_test.sh WENDLE_BINARY SCREENSHOT_FOLDER
set -euo pipefail

if [[ -z ${WENDLE_SMOKE_IN_X:-} ]]; then
  # Bounded: a hung program fails the test instead of hanging it.
  # -noreset: by default the server resets when its last client leaves, and a program that
  # starts during the reset cannot connect.
  WENDLE_SMOKE_IN_X=1 exec timeout 120 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM
# xvfb-run can return before the server takes connections; wait for it, up to 10 s.
for ((i = 0; i < 100; i++)); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done  # the real window, on the virtual X server

wendle=$1
shots=$2
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/site"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$work/site"

fail() { echo "FAIL: $*" >&2; exit 1; }
main_title="Tasco's Wendle"

find_window() {  # NAME-PATTERN: prints the id of a visible window, waiting up to 20 s
  timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

close_with_escape() {  # WINDOW
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key --clearmodifiers Escape
}

# 1. A profile that names a template.
printf '[Template File]\nFileName=t.html\n' > "$XDG_CONFIG_HOME/wendle.ini"
"$wendle" & pid=$!
win=$(find_window "^${main_title}\$") || fail "no window named '$main_title' appeared"
sleep 0.5  # let the first paint finish before the screenshot
import -window "$win" "$shots/wendle-window.png" || fail "no screenshot"
close_with_escape "$win"
status=0; wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "exit status $status after Escape"
echo "main window shown, screenshot $shots/wendle-window.png, exit status 0"

# 2. No profile: the first-run prompt comes before the main window.
rm "$XDG_CONFIG_HOME/wendle.ini"
"$wendle" & pid=$!
first=$(find_window '.') || fail "no window appeared"
first_name=$(xdotool getwindowname "$first")
[[ $first_name != "$main_title" ]] || fail "the main window appeared before the template prompt"
if xdotool search --onlyvisible --name "^${main_title}\$" >/dev/null; then
  fail "the main window is shown while the template prompt is open"
fi
close_with_escape "$first"  # cancels the prompt
win=$(find_window "^${main_title}\$") || fail "no main window after the prompt"
close_with_escape "$win"
status=0; wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "exit status $status after Escape"
grep -qx 'FileName=' "$XDG_CONFIG_HOME/wendle.ini" || fail "the cancelled prompt was not stored"
echo "template prompt '$first_name' shown first, then the main window; exit status 0"
