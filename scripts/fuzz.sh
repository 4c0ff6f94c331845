#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 and libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (the "fuzz" preset), and runs each for SECONDS (default 60). A crash,
# a leak or an input that runs longer than the timeout fails the run; libFuzzer leaves the input
# in build/fuzz/findings/TARGET/ (add it to fuzz/corpus/ with a regression test once it is fixed).
# Prints how many inputs each target executed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
./scripts/install-deps.sh --fuzz
cmake --preset fuzz >/dev/null
targets=(FormDocument ReplayScript Dispatch)
cmake --build --preset fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

declare -A corpus=([FormDocument]=form [ReplayScript]=script [Dispatch]=dispatch)
declare -A maxlen=([FormDocument]=65536 [ReplayScript]=16384 [Dispatch]=2048)
summary=()
failed=0
for t in "${targets[@]}"; do
  work="build/fuzz/findings/$t"
  mkdir -p "$work/corpus"
  log="$work/fuzz.log"
  echo "== fuzzing $t for ${seconds}s"
  status=0
  # New inputs go to the work folder; the seeds in fuzz/corpus are only read.
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
    -max_len="${maxlen[$t]}" -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/corpus" "fuzz/corpus/${corpus[$t]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -ne 0 ]; then
    failed=1
    summary+=("$t: FAILED after ${runs:-?} inputs (status $status); see $log")
    grep -E "^==[0-9]+==ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -5 || true
  else
    summary+=("$t: ${runs:-?} inputs, nothing found")
  fi
done
echo "== fuzzing results (${seconds}s a target)"
printf '%s\n' "${summary[@]}"
exit "$failed"
