#!/usr/bin/env bash
# End to end: the built program as a real process under Xvfb with a window manager, driven by xdotool.
# Full screen on and off several times, typed settings kept when leaving the settings screen, quitting
# through the dialog from full screen and at a zoom step, a display switch and a question at once, and
# SIGTERM / SIGHUP ending a run cleanly with the settings saved, or at once with an error when they cannot be.
# Usage: smoke.sh PROGRAM_FOLDER
set -uo pipefail
program_dir=$1
skip=77
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done

work=$(mktemp -d)
xvfb_pid= wm_pid= game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill -9 "$game_pid" 2>/dev/null
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [[ -f $game/n.dat ]] && { echo "n.dat:"; cat -A "$game/n.dat"; }; exit 1; }

# A copy of the program folder, so the settings written are this test's own.
game=$work/TamvelKviz
mkdir -p "$game"
for f in "$program_dir"/*; do
  case $(basename "$f") in n.dat | AtToMluvi.Cesky) ;; *) ln -s "$(readlink -f "$f")" "$game/"; esac
done
rm -f "$game/tamvelkviz" && cp "$program_dir/tamvelkviz" "$game/"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_LOGGING_RULES="qt.multimedia*=false"
# In a sanitizer build, leaks of the desktop's own libraries are not ours to fix.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp"

# A free display number.
for n in $(seq 91 140); do [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

full=0 # the mode the game is in, to map its 800 x 600 coordinates to the screen
at() { # at X Y: screen coordinates of game point X Y
  if ((full)); then
    # 1280 x 1024 shows the 800 x 600 game scaled 1.6 times, letterboxed 32 px from the top.
    echo $(($1 * 16 / 10)) $((32 + $2 * 16 / 10))
  else
    echo $((240 + $1)) $((212 + $2))
  fi
}
click() { # click X Y in game coordinates
  read -r sx sy < <(at "$1" "$2")
  xdotool mousemove "$sx" "$sy" sleep 0.15 click 1 sleep 0.3
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game died: $1"; }
start() {
  "$game/tamvelkviz" >"$work/out.log" 2>&1 &
  game_pid=$!
  xdotool search --sync --onlyvisible --name 'TamvelKv' >/dev/null
  sleep 2.5 # the splash, then the menu
  alive "at start-up"
}
finish() { # finish EXPECTED_STATUS: waits up to 10 s for the game to end
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  wait "$game_pid"
  local status=$?
  game_pid=
  ((status == $1)) || { cat "$work/out.log"; fail "exit status $status, expected $1"; }
}
toggle_full_screen() {
  click 747 491
  if ((full)); then full=0; else full=1; fi
  sleep 0.7
  alive "after switching full screen $( ((full)) && echo on || echo off)"
  local geometry
  geometry=$(xdotool search --onlyvisible --name 'TamvelKv' getwindowgeometry %@ 2>/dev/null | grep Geometry | tail -1)
  if ((full)); then
    [[ $geometry == *1280x1024* ]] || fail "full screen shows $geometry"
  else
    [[ $geometry == *800x600* ]] || fail "the window shows $geometry"
  fi
}
setting() { sed -n "$1p" "$game/n.dat" | tr -d '\r'; }

echo "run 1: full screen on and off, settings kept on leaving, quit from full screen"
start
click 150 450 # Settings
for _ in 1 2 3 4; do toggle_full_screen; done
click 645 141 && xdotool key ctrl+a && xdotool type --delay 30 'Smoke Test'
toggle_full_screen
click 45 45 # back to the menu: the settings are written now
sleep 0.5
[[ $(setting 1) == "Smoke Test" ]] || fail "leaving the settings did not save the typed name"
[[ $(setting 6) == "(o)" ]] || fail "leaving the settings did not save full screen"
click 785 27 # the close control, then Yes (the default button)
sleep 0.7
alive "while asking to quit"
xdotool key Return
finish 0

echo "run 2: starts in full screen, switches off and on, SIGTERM"
full=1
start
click 150 450
toggle_full_screen
toggle_full_screen
kill -TERM "$game_pid"
finish 0
[[ $(setting 1) == "Smoke Test" && $(setting 6) == "(o)" ]] || fail "SIGTERM lost the settings"

echo "run 3: a name typed in the settings, then SIGHUP"
start
click 150 450
toggle_full_screen # off
click 645 191 && xdotool key ctrl+a && xdotool type --delay 30 'Hangup'
kill -HUP "$game_pid"
finish 0
[[ $(setting 2) == "Hangup" && $(setting 6) == "(  )" ]] || fail "SIGHUP lost the settings"

zoom() { mkdir -p "$XDG_CONFIG_HOME/tamvelkviz" && echo "$1" >"$XDG_CONFIG_HOME/tamvelkviz/zoom.txt"; }

echo "run 4: quit through the dialog at a zoom step"
zoom 125
start
xdotool key ctrl+q sleep 0.7
alive "while asking to quit at 125 %"
xdotool key Return
finish 0

echo "run 5: F11 and Escape at once in full screen, then quit"
zoom 100
printf 'A\r\nB\r\n10000\r\n(  )\r\n(  )\r\n(o)\r\n' >"$game/n.dat"
start
xdotool key --delay 0 F11 Escape
sleep 1
alive "after F11 and Escape at once"
xdotool key Escape # No: the game goes on
sleep 0.7
alive "after answering No"
xdotool key ctrl+q sleep 0.7 key Return
finish 0
[[ $(setting 6) == "(  )" ]] || fail "leaving full screen was not kept"

echo "run 6: Ctrl+0 and Escape at once at a zoom step, then SIGTERM"
zoom 125
start
xdotool key --delay 0 ctrl+0 Escape
sleep 1
alive "after Ctrl+0 and Escape at once"
xdotool key Escape
sleep 0.5
kill -TERM "$game_pid"
finish 0
[[ $(cat "$XDG_CONFIG_HOME/tamvelkviz/zoom.txt") == 100 ]] || fail "Ctrl+0 was not kept"

echo "run 7: SIGTERM when the settings cannot be saved ends at once with an error"
zoom 150
rm -f "$game/n.dat" && mkdir "$game/n.dat"
start
kill -TERM "$game_pid"
finish 1
grep -q "could not be saved" "$work/out.log" || fail "the failed save was not reported on stderr"
rmdir "$game/n.dat"

echo "run 8: window keys during animations: F11 while the cell zooms, SIGTERM during the capture"
zoom 100
start
click 400 450 # new game
xdotool key Return # the setup: play
sleep 0.8
click 432 328 # the middle cell: its zoom plays for about 1.4 s
xdotool key F11
full=1
sleep 0.7
alive "after F11 during the zoom"
geometry=$(xdotool search --onlyvisible --name 'TamvelKv' getwindowgeometry %@ 2>/dev/null | grep Geometry | tail -1)
[[ $geometry == *1280x1024* ]] || fail "F11 during the zoom shows $geometry"
sleep 1
xdotool key 1 key 2 # an answer, then a second key that the capture drops
sleep 0.2
alive "during the capture"
kill -TERM "$game_pid"
finish 0
[[ $(setting 6) == "(o)" ]] || fail "full screen switched during the zoom was not kept"
full=0

echo "smoke: 8 passed, 0 failed"
