#!/usr/bin/env bash
# Wendle as a desktop user meets it.
# Usage: desktop_test.sh smoke|a11y|recovery|package WENDLE BUILD APP_ID
#   smoke: the real program in a virtual X server. With a profile naming a template its window
#     appears in English, German and Arabic (screenshots BUILD/wendle-window{,-de,-ar}.png) and
#     Escape ends the run; a damaged project's message with its path, in German and Arabic
#     (BUILD/wendle-message-{de,ar}.png); with none the template prompt comes first, the main window after it,
#     and the cancel is stored; the command line fails in German for LANGUAGE=de. (The demo of
#     make run, with F12 and Build, is preview_test.py's.)
#   a11y: the demo's window read through the accessibility bus, in a session bus of its own
#     (a11y_test.py); skipped (77) where no session bus can start.
#   recovery: typed work survives kill -9, SIGTERM and SIGINT, is offered at the next start and
#     restored before a project on the command line is asked about, or kept for later; a
#     signal that finds the copy unwritable says so and ends the program.
#   package: the Debian package holds the program, launcher, icons, metadata, MIME type and
#     manual page; the validators and lintian pass, and the dependencies were computed. make
#     package runs it on the optimised build, the one users install.
set -euo pipefail
part=$1 wendle=$2 build=$3 id=$4
if [[ $part != package && -z ${WENDLE_IN_X:-} ]]; then
  # Bounded, so a hung program fails the test. -noreset: the server would otherwise reset when
  # its last client leaves, and a program starting during the reset cannot connect.
  WENDLE_IN_X=1 exec timeout 120 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ $part == a11y ]]; then
  unset QT_QPA_PLATFORM
  export HOME=$work XDG_RUNTIME_DIR=$work/run QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  mkdir -m 700 "$XDG_RUNTIME_DIR" && cd "$work"
  dbus-run-session -- true 2> /dev/null || { echo "SKIP: no session bus can start"; exit 77; }
  dbus-run-session -- bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
    "$1/../scripts/demo.sh" "$2" demo & /usr/bin/python3 "$1/a11y_test.py"; status=$?
    kill %2 %1; wait; exit $status' a11y "$(dirname "$(realpath "$0")")" "$wendle" || fail "accessibility"
elif [[ $part == smoke ]]; then
  unset QT_QPA_PLATFORM
  for ((i = 0; i < 100; i++)); do xdotool getmouselocation &> /dev/null && break; sleep 0.1; done
  export HOME=$work XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/run
  mkdir -m 700 "$XDG_RUNTIME_DIR" && cd "$work"
  window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
  escape() { xdotool windowfocus --sync "$1" 2> /dev/null; xdotool key --clearmodifiers Escape; }
  main="^Tasco's Wendle\$"
  printf '[Template File]\nFileName=t.html\n' > wendle.ini
  for lang in en de ar; do  # the screenshots are for a person to look at
    LANGUAGE=$lang "$wendle" &
    win=$(window "$main") || fail "no main window"
    sleep 0.5  # the first paint, before the screenshot
    import -window "$win" "$build/$(basename wendle-window-$lang -en).png" || fail "no screenshot"
    escape "$win" && wait $! || fail "exit status $? after Escape"
  done
  # A message that names a path, for a person to see it whole and in order, right to left too.
  printf 'not a project' > bad.wendle
  for lang in de ar; do
    LANGUAGE=$lang "$wendle" "$work/bad.wendle" &
    box=$(window "$main") || fail "no message box"
    sleep 0.5
    import -window "$box" "$build/wendle-message-$lang.png" || fail "no screenshot"
    escape "$box" && win=$(window "$main") && escape "$win" && wait $! || fail "exit status $?"
  done
  # The command line without a window speaks the user's language too; LC_ALL=C, as a script
  # sets it, keeps English, whatever LANGUAGE says.
  for said in "de:nope.wendle kann nicht gelesen werden" "C:Cannot read file"; do
    out=$(LC_ALL=${said%%:*} LANGUAGE=de "$wendle" --build nope.wendle 2>&1) && fail "built nope" ||
      [[ $? == 1 && $out == *"${said#*:}"* ]] || fail "not in ${said%%:*}: $out"
  done
  # A display that cannot be reached: Qt gives up halfway through its start, and the user is
  # told in the same language, also where a process limit leaves no thread to start.
  # (The limit binds nobody, not root; nobody runs a copy, since the build may lie in a folder
  # only root may enter, such as /root.)
  mkdir -m 755 "$work/nobody" && cp "$wendle" "$work/nobody/" && chmod 711 "$work"
  out=$(DISPLAY=:nope LANGUAGE=de setpriv --reuid=nobody --regid=nogroup --clear-groups \
    prlimit --nproc=1 "$work/nobody/$(basename "$wendle")" 2>&1) && fail "a window with no display" ||
    [[ $? == 1 && $out == "wendle: das Fenster braucht eine Anzeige"* ]] || fail "no display: $out"
  rm wendle.ini
  "$wendle" &
  prompt=$(window .) || fail "no window"
  [[ $(xdotool getwindowname "$prompt") != "Tasco's Wendle" ]] || fail "main window before the prompt"
  ! xdotool search --onlyvisible --name "$main" > /dev/null || fail "main window during the prompt"
  escape "$prompt" && win=$(window "$main") || fail "no main window after the prompt"
  escape "$win" && wait $! || fail "exit status $? after Escape"
  grep -qx 'FileName=' wendle.ini || fail "the cancelled prompt was not stored"
elif [[ $part == recovery ]]; then
  unset QT_QPA_PLATFORM
  for ((i = 0; i < 100; i++)); do xdotool getmouselocation &> /dev/null && break; sleep 0.1; done
  export HOME=$work XDG_CONFIG_HOME=$work XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/run
  mkdir -m 700 "$XDG_RUNTIME_DIR" && cd "$work" && "$wendle" --init . > /dev/null
  printf '[Template File]\nFileName=template.html\n' > wendle.ini
  window() { timeout 20 xdotool search --sync --onlyvisible --name "^Tasco's Wendle\$" | head -n 1; }
  keys() { xdotool windowfocus --sync "$(window)" 2> /dev/null; xdotool "$@"; }
  has() {  # a recovery copy holds this title
    for ((i = 0; i < 200; i++)); do
      for c in state/wendle/recovery/window-*.wendle; do
        [[ -f $c ]] && "$wendle" --show "$c" | grep -qx "title: $1" && return 0
      done
      sleep 0.1
    done
    return 1
  }
  # Typed, copied a second later, killed: the next start offers it first, Return restores it.
  "$wendle" welcome.wendle & pid=$!
  keys key End type KILLED
  has "Welcome to WendleKILLED" || fail "no recovery copy after typing"
  kill -9 $pid; wait $pid || true
  "$wendle" welcome.wendle & pid=$!
  keys key Return && has "Welcome to WendleKILLED" || fail "not restored"
  # The project on the command line is asked about only once the restored work is shown.
  for ((i = 0; i < 100; i++)); do
    (( $(xdotool search --onlyvisible --name "^Tasco's Wendle\$" | wc -l) > 1 )) && break; sleep 0.1
  done
  (( i < 100 )) || fail "asked about restored work that was not shown"
  xdotool key Escape  # Cancel, so the restored work stays
  main=$(window) && keys key Escape  # closing asks, as for any unsaved work
  until ask=$(xdotool search --onlyvisible --name "^Tasco's Wendle\$" | grep -vx "$main"); do sleep 0.1; done
  xdotool windowfocus --sync "$ask" 2> /dev/null; xdotool key Escape  # and Escape there keeps it
  while xdotool search --onlyvisible --name "^Tasco's Wendle\$" | grep -qx "$ask"; do sleep 0.1; done
  # SIGTERM before the copy's second has passed: the last keystroke is kept all the same.
  keys key End type T && sleep 0.3 && kill -TERM $pid; wait $pid || true
  has "Welcome to WendleKILLEDT" || fail "SIGTERM lost the last keystroke"
  # Escape at the question keeps the copy for the next start.
  "$wendle" & pid=$!
  ask=$(window) && keys key Escape
  while xdotool search --onlyvisible --name "^Tasco's Wendle\$" | grep -qx "$ask"; do sleep 0.1; done
  keys type I && sleep 0.3 && kill -INT $pid; wait $pid || true  # Ctrl+C is a signal too
  has "Welcome to WendleKILLEDT" || fail "the copy was not kept"
  has I || fail "SIGINT lost the last keystroke"
  # A copy that cannot be written: the signal says so on standard error and ends the program.
  rm -r state && printf x > state
  status=0
  "$wendle" 2> err & pid=$!
  keys type U && sleep 0.3 && kill -HUP $pid
  (sleep 10; kill -9 $pid 2> /dev/null) & dog=$!
  wait $pid || status=$?
  kill $dog 2> /dev/null || true
  (( status == 129 )) || fail "SIGHUP waited for a click (status $status)"
  grep -q "the typing could not be kept" err || fail "the failed copy was not told"
else
  cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/log" 2>&1 || { cat "$work/log"; fail cpack; }
  deb=$(ls "$work"/wendle_*.deb)
  dpkg-deb -x "$deb" "$work/root" && cd "$work/root/usr"
  icons=share/icons/hicolor
  # The other files are read by the checks below.
  for path in bin/wendle libexec/wendle/libwendle_preview.so $icons/{48x48,scalable}/mimetypes/application-x-wendle-project.*; do
    [[ -f $path ]] || fail "the package lacks /usr/$path"
  done
  [[ $(dpkg-deb -f "$deb" Depends) =~ libc6.*libmicrohttpd12.*libqt6widgets6 ]] || fail "dependencies not computed"
  [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] || fail "Qt's catalogues not recommended"
  desktop-file-validate "share/applications/$id.desktop" || fail "desktop entry"
  grep -qx 'MimeType=application/x-wendle-project;' "share/applications/$id.desktop" &&
    grep -qx 'Exec=wendle %f' "share/applications/$id.desktop" || fail "the launcher opens no project"
  appstreamcli validate --no-net --pedantic "share/metainfo/$id.metainfo.xml" || fail AppStream
  xmllint --noout share/mime/packages/wendle.xml "$icons/scalable/apps/$id.svg" || fail XML
  for size in 16 32 48; do
    [[ $(identify -format %wx%h "$icons/${size}x$size/apps/$id.png") == "${size}x$size" ]] || fail "$size px icon"
  done
  [[ -z $(man --warnings -l share/man/man1/wendle.1.gz 2>&1 > /dev/null) ]] || fail "manual page warnings"
  lintian --fail-on error,warning "$deb" || fail lintian
fi
echo "desktop $part: passed"
