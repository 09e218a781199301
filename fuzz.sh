#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang and runs each for a while on a copy of its corpus.
#   ./fuzz.sh [seconds] [--merge] [--parallel] [target...]
#     seconds     how long each target runs (default 60; 0 only builds, and merges with --merge)
#     --merge     afterwards, copy the inputs that add coverage back into fuzz/corpus/<target>, minimised
#     --parallel  run two targets at a time (the machine has two cores)
#     target      fuzz_qdat, fuzz_ndat, fuzz_textfit (default: all three)
# The growing corpus and any crashing inputs stay in build-fuzz/ (corpus/<target>, artifacts/<target>).
# Reproduce a crash: build-fuzz/<target> build-fuzz/artifacts/<target>/crash-...
set -euo pipefail
cd "$(dirname "$0")"

seconds=60
merge=0
parallel=0
targets=()
for arg in "$@"; do
  case "$arg" in
    --merge) merge=1 ;;
    --parallel) parallel=1 ;;
    -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
    fuzz_*) targets+=("$arg") ;;
    *[!0-9]*|'') echo "unknown argument: $arg" >&2; exit 2 ;;
    *) seconds=$arg ;;
  esac
done
[[ ${#targets[@]} -eq 0 ]] && targets=(fuzz_qdat fuzz_ndat fuzz_textfit)

# clang 14 and its sanitizer/libFuzzer runtimes, from Debian 12.
packages=(clang libclang-rt-14-dev cmake make qt6-base-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Qt's libraries have no frame pointers, so ASan's fast unwinder records a new, garbage stack for nearly
# every allocation made inside Qt: fuzz_qdat's stack depot held 1.5 million ids for 445 real stacks after
# 28000 runs and grew by 2-3 MB a thousand runs, enough to reach -rss_limit_mb within an hour. Allocation
# stacks are left out while fuzzing; running a saved crash again without this setting shows them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}

build=build-fuzz
CC=clang CXX=clang++ cmake -S fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

run_target() {
  local t=$1 log="$build/logs/$1.log"
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t" "$build/logs"
  # Seeds are copied, never linked: libFuzzer writes new inputs into the first directory only.
  cp -n fuzz/corpus/"$t"/* "$build/corpus/$t/" 2>/dev/null || true
  local before
  before=$(find "$build/artifacts/$t" -type f | wc -l)
  local rc=0
  "$build/$t" -max_len=4096 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t/" "$build/corpus/$t" >"$log" 2>&1 || rc=$?
  local after runs cov
  after=$(find "$build/artifacts/$t" -type f | wc -l)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[^ ]*' "$log" | tail -1)
  printf '%-13s %ss  runs: %s  %s  crashes: %d%s\n' "$t" "$seconds" "${runs:-?}" "${cov:-cov: ?}" \
    $((after - before)) "$([[ $rc -ne 0 ]] && echo "  (exit $rc, see $log)")"
  return "$rc"
}

status=0
if [[ $seconds -gt 0 ]]; then
  summary=$(mktemp)
  if [[ $parallel -eq 1 ]]; then
    pids=()
    for t in "${targets[@]}"; do
      run_target "$t" >>"$summary" & pids+=($!)
      if [[ ${#pids[@]} -eq 2 ]]; then wait "${pids[0]}" || status=1; pids=("${pids[@]:1}"); fi
    done
    for p in "${pids[@]}"; do wait "$p" || status=1; done
  else
    for t in "${targets[@]}"; do run_target "$t" >>"$summary" || status=1; done
  fi
  cat "$summary"
  rm -f "$summary"
fi

if [[ $merge -eq 1 ]]; then
  mkdir -p "$build/logs"
  for t in "${targets[@]}"; do
    [[ -d $build/corpus/$t ]] || continue
    n=$(find fuzz/corpus/"$t" -type f | wc -l)
    # Only inputs that reach new edges (hit counts ignored, to keep it small), the smallest ones first.
    "$build/$t" -merge=1 -use_counters=0 -max_len=4096 fuzz/corpus/"$t" "$build/corpus/$t" \
      >"$build/logs/$t.merge.log" 2>&1
    echo "$t: merged $(($(find fuzz/corpus/"$t" -type f | wc -l) - n)) input(s) into fuzz/corpus/$t"
  done
fi
exit "$status"
