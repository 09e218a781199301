#!/usr/bin/env bash
# Builds the benchmarks and the program in Release, runs them, measures peak memory and the idle menu's
# timer events, and prints each measurement against its goal.
#   ./bench.sh [Google Benchmark flags, e.g. --benchmark_filter=Pointer]
# Environment: TK_BENCH_BUILD_DIR (default build-bench), TK_BENCH_JOBS (2), TK_BENCH_REPETITIONS (5).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
build=${TK_BENCH_BUILD_DIR:-build-bench}
jobs=${TK_BENCH_JOBS:-2}
reps=${TK_BENCH_REPETITIONS:-5}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
install_packages() {
  local missing=()
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq && "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

[[ -x tools/deps.sh ]] && tools/deps.sh
install_packages libbenchmark-dev
# Only for the memory run of the real program; without them it runs offscreen or is skipped.
install_packages xvfb xauth time || echo "warning: xvfb or time could not be installed" >&2

# Until the top level adds the bench folder, a wrapper project adds it beside the game.
src=.
if ! grep -Eq '^[[:space:]]*add_subdirectory\([[:space:]]*bench' CMakeLists.txt; then
  src=${TMPDIR:-/tmp}/tk-bench-wrapper-$(id -u)
  mkdir -p "$src"
  cat > "$src/CMakeLists.txt.new" <<WRAP
cmake_minimum_required(VERSION 3.25)
project(tk_bench_wrapper LANGUAGES CXX)
add_subdirectory("$root" main)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(TK_PROGRAM_DIR \${CMAKE_BINARY_DIR}/TamvelKviz)
add_subdirectory("$root/bench" bench)
WRAP
  cmp -s "$src/CMakeLists.txt.new" "$src/CMakeLists.txt" || mv "$src/CMakeLists.txt.new" "$src/CMakeLists.txt"
  rm -f "$src/CMakeLists.txt.new"
  echo "note: the top-level CMakeLists.txt has no add_subdirectory(bench) yet; using a wrapper in $src" >&2
fi
# A build folder configured from the other source (wrapper or not) must forget its cache.
if [[ -f $build/CMakeCache.txt ]]; then
  home=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
  [[ $home == "$(cd "$src" && pwd)" ]] || rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi

cmake -S "$src" -B "$build" -DTK_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release -DTK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target tk_bench tamvelkviz

bench=$(find "$build" -type f -name tk_bench -perm -u+x | head -n1)
program=$build/TamvelKviz/tamvelkviz
[[ -n $bench ]] || { echo "tk_bench was not built" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false'
export TK_BENCH_PROGRAM_DIR=$(cd "$build/TamvelKviz" && pwd)

results=$build/bench.txt
"$bench" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true --benchmark_color=false \
  --benchmark_out="$results" --benchmark_out_format=console "$@"

# Peak memory: the real program for a few seconds (splash pause, start-up, idle menu).
peak_real=""
peak_how=""
if [[ -x /usr/bin/time && -x $program ]]; then
  tfile=$build/time-program.txt
  rm -f "$tfile"
  if command -v xvfb-run >/dev/null; then
    peak_how="program under Xvfb, 5 s"
    env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" \
      /usr/bin/time -v -o "$tfile" timeout -s TERM 5 "$program" >/dev/null 2>&1 || true
  else
    peak_how="program offscreen, 5 s"
    /usr/bin/time -v -o "$tfile" timeout -s TERM 5 "$program" >/dev/null 2>&1 || true
  fi
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$tfile" 2>/dev/null || true)
  [[ -n $kb ]] && peak_real=$(awk -v k="$kb" 'BEGIN { printf "%.1f", k / 1024 }')
fi
# The first start-up in a process (cold fonts and decoders), five times: the median time, the largest peak.
peak_startup=""
colds=()
peak_kb=0
for _ in 1 2 3 4 5; do
  if [[ -x /usr/bin/time ]]; then
    out=$(/usr/bin/time -v -o "$build/time-startup.txt" timeout 60 "$bench" --startup-only) || true
    kb=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$build/time-startup.txt" 2>/dev/null || true)
    [[ -n $kb && $kb -gt $peak_kb ]] && peak_kb=$kb
  else
    out=$(timeout 60 "$bench" --startup-only) || true
  fi
  colds+=("$(sed -n 's/^startup_cold_ms //p' <<<"$out")")
done
[[ $peak_kb -gt 0 ]] && peak_startup=$(awk -v k="$peak_kb" 'BEGIN { printf "%.1f", k / 1024 }')
startup_cold=$(printf '%s\n' "${colds[@]}" | sort -n | awk 'NF { a[++n] = $1 } END { if (n) print a[int((n + 1) / 2)] }')

# At high resolution: the program at Qt's scale factor 2 on a 2560 x 1600 screen (the 2x pictures), and
# one process that loads the 1x and the 2x pictures in turn.
peak_2x=""
peak_both=""
if [[ -x /usr/bin/time && -x $program ]] && command -v xvfb-run >/dev/null; then
  env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1600x24" \
    /usr/bin/time -v -o "$build/time-2x.txt" timeout -s TERM 5 "$program" >/dev/null 2>&1 || true
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$build/time-2x.txt" 2>/dev/null || true)
  [[ -n $kb ]] && peak_2x=$(awk -v k="$kb" 'BEGIN { printf "%.1f", k / 1024 }')
fi
if [[ -x /usr/bin/time ]]; then
  if /usr/bin/time -v -o "$build/time-both.txt" timeout 60 "$bench" --both-sets >/dev/null; then
    kb=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$build/time-both.txt" 2>/dev/null || true)
    [[ -n $kb ]] && peak_both=$(awk -v k="$kb" 'BEGIN { printf "%.1f", k / 1024 }')
  fi
fi
# From starting the program to its splash on the screen (Xvfb), five times: the median.
splash_ms=""
if command -v xvfb-run >/dev/null && [[ -x $program ]]; then
  splashes=()
  for _ in 1 2 3 4 5; do
    splashes+=("$(xvfb-run -a -s "-screen 0 1280x1024x24" timeout 60 "$bench" --splash-time="$program" 2>/dev/null |
      sed -n 's/^splash_on_screen_ms //p')")
  done
  splash_ms=$(printf '%s\n' "${splashes[@]}" | sort -n | awk 'NF { a[++n] = $1 } END { if (n) print a[int((n + 1) / 2)] }')
fi

# A 50 MB question file loaded as the game loads it: the peak against the file's size.
deck_ratio=""
if [[ -x /usr/bin/time ]]; then
  deck_file=$build/large-q.dat
  "$bench" --write-deck="$deck_file,50"
  /usr/bin/time -v -o "$build/time-deck.txt" "$bench" --load-deck="$deck_file" || true
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$build/time-deck.txt" 2>/dev/null || true)
  size_kb=$(( $(stat -c %s "$deck_file") / 1024 ))
  [[ -n $kb ]] && deck_ratio=$(awk -v k="$kb" -v s="$size_kb" 'BEGIN { printf "%.0f MB = %.2f x", k / 1024, k / s }')
  rm -f "$deck_file"
fi

# The idle menu: offscreen, and on a real X server when Xvfb is there.
idle_check() { # label, then the command prefix
  local label=$1 out events
  shift
  out=$("$@" "$bench" --idle-check=2 2>/dev/null) || true
  events=$(sed -n 's/^idle_timer_events //p' <<<"$out")
  if [[ -z $events || -z $(sed -n 's/^idle_control_timer_events \([1-9]\)/\1/p' <<<"$out") ]]; then
    idle_rows+=("idle menu ($label): timer events in 2 s|n/a (check failed)|= 0|n/a")
    return
  fi
  idle_rows+=("idle menu ($label): timer events in 2 s|$events|= 0|$([[ $events -eq 0 ]] && echo ok || echo MISSED)")
  idle_rows+=("idle menu ($label): wake-ups in 2 s beyond an empty loop|$(sed -n 's/^idle_wakeups //p' <<<"$out")|-|-")
  idle_rows+=("idle menu ($label): timers registered on the window|$(sed -n 's/^idle_registered_timers //p' <<<"$out")|-|-")
}
idle_rows=()
idle_check offscreen timeout 60 env
if command -v xvfb-run >/dev/null; then
  idle_check "Xvfb, xcb" xvfb-run -a -s "-screen 0 1024x768x24" timeout 60 env QT_QPA_PLATFORM=xcb
fi

# The median of a benchmark in microseconds (wall time), from the console report.
median_us() { # benchmark [cpu]
  awk -v want="$1_median" -v cpu="${2:-}" '
    $1 == want && $3 ~ /^(ns|us|ms|s)$/ {
      t = $2; u = $3
      if (cpu != "") { t = $4; u = $5 }
      if (u == "ns") t /= 1000; else if (u == "ms") t *= 1000; else if (u == "s") t *= 1e6
      printf "%.3f", t; exit
    }' "$results"
}
fmt_time() { # microseconds -> "123.4 us" or "12.34 ms"
  awk -v t="$1" 'BEGIN { if (t >= 1000) printf "%.2f ms", t / 1000; else printf "%.1f us", t }'
}
verdict() { # value goal -> ok / MISSED (value < goal), or n/a
  [[ -z $1 ]] && { echo "n/a"; return; }
  awk -v v="$1" -v g="$2" 'BEGIN { print (v < g ? "ok" : "MISSED") }'
}
rows=()
row() { rows+=("$1|$2|$3|$4"); }
timed() { # label benchmark goal_us goal_text
  local v c shown
  v=$(median_us "$2")
  if [[ -z $v ]]; then row "$1" "n/a" "$4" "n/a"; return; fi
  c=$(median_us "$2" cpu)
  shown="$(fmt_time "$v")"
  [[ -n $c ]] && shown="$shown (cpu $(fmt_time "$c"))"
  if [[ -z $3 ]]; then row "$1" "$shown" "-" "-"; return; fi
  row "$1" "$shown" "$4" "$(verdict "$v" "$3")"
}
ratio() { # label benchmark pause_ms
  local v; v=$(median_us "$2")
  if [[ -z $v ]]; then row "$1" "n/a" "-" "-"; return; fi
  row "$1" "$(fmt_time "$v") = $(awk -v t="$v" -v p="$3" 'BEGIN { printf "%.2f%%", t / 10 / p }') of ${3} ms pauses" "-" "-"
}

timed "pointer crosses a cell (fixture)" "BM_PointerCrossesCell/real:0/repaint:0" 1000 "< 1 ms"
timed "pointer crosses a cell (real pictures + repaint)" "BM_PointerCrossesCell/real:1/repaint:1" 1000 "< 1 ms"
timed "drawBoard(true) half-owned (fixture)" "BM_DrawBoardHalfOwned/real:0/repaint:0" 2000 "< 2 ms"
timed "drawBoard(true) half-owned (real + repaint)" "BM_DrawBoardHalfOwned/real:1/repaint:1" 2000 "< 2 ms"
timed "clock tick (fixture)" "BM_ClockTick/real:0/repaint:0" 1000 "< 1 ms"
timed "clock tick (real pictures + repaint)" "BM_ClockTick/real:1/repaint:1" 1000 "< 1 ms"
timed "option hover: pointer between options (fixture)" "BM_OptionHover/real:0/repaint:0" 1000 "< 1 ms"
timed "option hover: pointer between options (real + repaint)" "BM_OptionHover/real:1/repaint:1" 1000 "< 1 ms"
timed "drawOption(Hovered) alone, two-line answer" "BM_DrawOptionHover/twoLines:1" "" ""
timed "question set in the panel, 120-char question, every size tried" "BM_SetQuestionText/longer:0" "" ""
timed "question set in the panel, a question filling the panel" "BM_SetQuestionText/longer:1" "" ""
timed "question panel painted whole (real pictures)" "BM_PaintQuestionPanel" "" ""
timed "win test on a full board, no winner" "BM_WinTestFullBoardNoWinner" "" ""
timed "win search of the winning group, full board" "BM_WinSearchFullBoard/winner:1" "" ""
timed "deck load 10001 lines, Deck::load on text" "BM_DeckLoadFromText" 20000 "< 20 ms"
timed "deck load 10001 lines, UTF-8 file read+decode+load" "BM_DeckLoadFromFile/cp1250:0" 20000 "< 20 ms"
timed "deck load 10001 lines, cp1250 file read+decode+load" "BM_DeckLoadFromFile/cp1250:1" 20000 "< 20 ms"
timed "start-up without splash (construct + load, warm)" "BM_StartUp/manual_time" 100000 "< 100 ms"
if [[ -n $startup_cold ]]; then
  cold_us=$(awk -v m="$startup_cold" 'BEGIN { printf "%.3f", m * 1000 }')
  row "start-up without splash (first in process, cold, median of 5)" "$(fmt_time "$cold_us")" "< 100 ms" "$(verdict "$cold_us" 100000)"
fi
ratio "capture drawing, pauses skipped" "BM_CaptureWithoutPauses/repaint:0/manual_time" 1240
ratio "capture drawing + repaint, pauses skipped" "BM_CaptureWithoutPauses/repaint:1/manual_time" 1240
ratio "deal drawing, pauses skipped" "BM_DealWithoutPauses/repaint:0/manual_time" 1410
ratio "deal drawing + repaint, pauses skipped" "BM_DealWithoutPauses/repaint:1/manual_time" 1410
if [[ -n $peak_real ]]; then
  row "peak memory MB ($peak_how)" "$peak_real MB" "< 80 MB" "$(verdict "$peak_real" 80)"
fi
if [[ -n $peak_startup ]]; then
  row "peak memory MB (tk_bench --startup-only, offscreen)" "$peak_startup MB" "< 80 MB" "$(verdict "$peak_startup" 80)"
fi
timed "pointer crosses a cell, window at 200 % (2x pictures + repaint)" "BM_PointerCrossesCellScaled/fullscreen:0" 4000 "< 4 ms"
timed "pointer crosses a cell, full screen 2560 x 1600 (+ repaint)" "BM_PointerCrossesCellScaled/fullscreen:1" 4000 "< 4 ms"
timed "clock tick, window at 200 % (2x pictures + repaint)" "BM_ClockTickScaled/fullscreen:0" 4000 "< 4 ms"
timed "clock tick, full screen 2560 x 1600 (+ repaint)" "BM_ClockTickScaled/fullscreen:1" 4000 "< 4 ms"
timed "capture frame, window at 200 % (2x pictures + repaint)" "BM_CaptureFrameScaled/fullscreen:0/manual_time" 8000 "< 8 ms"
timed "capture frame, full screen 2560 x 1600 (+ repaint)" "BM_CaptureFrameScaled/fullscreen:1/manual_time" 8000 "< 8 ms"
# A whole frame painted from the state, as after a change of screen: the board, a question, a capture frame.
for screen in 0:board 1:question 2:capture; do
  timed "whole frame, ${screen#*:}, full screen 2560 x 1600" "BM_WholeFrameScaled/uhd:0/screen:${screen%%:*}" 4000 "< 4 ms"
  timed "whole frame, ${screen#*:}, full screen 3840 x 2160" "BM_WholeFrameScaled/uhd:1/screen:${screen%%:*}" 8000 "< 8 ms"
done
if [[ -n $peak_2x ]]; then
  row "peak memory MB (program at scale 2 under Xvfb 2560 x 1600, 5 s)" "$peak_2x MB" "< 80 MB" "$(verdict "$peak_2x" 80)"
fi
if [[ -n $peak_both ]]; then
  row "peak memory MB (tk_bench --both-sets: 1x and 2x pictures in turn)" "$peak_both MB" "< 100 MB" "$(verdict "$peak_both" 100)"
fi
if [[ -n $splash_ms ]]; then
  splash_us=$(awk -v m="$splash_ms" 'BEGIN { printf "%.3f", m * 1000 }')
  row "start-up: program started to splash on screen (Xvfb, median of 5)" "$(fmt_time "$splash_us")" "< 150 ms" "$(verdict "$splash_us" 150000)"
fi
if [[ -n $deck_ratio ]]; then
  ratio_value=${deck_ratio##*= }
  ratio_value=${ratio_value% x}
  row "peak memory loading a 50 MB q.dat (x file size)" "$deck_ratio" "<= 3 x" \
    "$(awk -v r="$ratio_value" 'BEGIN { print (r <= 3 ? "ok" : "MISSED") }')"
fi
rows+=("${idle_rows[@]}")

echo
printf '%-64s | %-42s | %-9s | %s\n' "benchmark" "measured (median of $reps)" "goal" "verdict"
printf '%s\n' "$(printf '%.0s-' {1..65})+$(printf '%.0s-' {1..44})+-----------+--------"
missed=0
for r in "${rows[@]}"; do
  IFS='|' read -r a b c d <<<"$r"
  printf '%-64s | %-42s | %-9s | %s\n' "$a" "$b" "$c" "$d"
  [[ $d == MISSED ]] && missed=$((missed + 1))
done
echo
if [[ $missed -gt 0 ]]; then
  echo "$missed goal(s) missed."
  exit 1
fi
echo "All goals met."
