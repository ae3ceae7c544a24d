#!/usr/bin/env bash
# Fuzzes the form-file reader for a bounded time: builds build-fuzz/ with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs the target from the seed corpus in
# tests/fuzz/corpus (new inputs go to build-fuzz/corpus). A crash, a hang, a leak or a form that
# does not survive writing and reading fails the run; the input is left in build-fuzz/artifacts.
#     scripts/fuzz.sh [SECONDS]     (30 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWBFORMS_FUZZ=ON -DWBFORMS_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target form_reader_fuzz

mkdir -p build-fuzz/corpus build-fuzz/artifacts
log=build-fuzz/fuzz.log
if ! build-fuzz/tests/fuzz/form_reader_fuzz -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=8192 -dict=tests/fuzz/form.dict \
    -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 \
    build-fuzz/corpus tests/fuzz/corpus >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "fuzzing the form-file reader failed; the input is in build-fuzz/artifacts/" >&2
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
echo "fuzzing the form-file reader: no failure in ${seconds} s"
