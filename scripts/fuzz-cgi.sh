#!/usr/bin/env bash
# Fuzzes the CGI request reader (query strings and urlencoded bodies) for a bounded time, in the
# same clang build as scripts/fuzz.sh (build-fuzz/), from the seed corpus in
# tests/fuzz/cgi_corpus. New inputs go to build-fuzz/cgi_corpus, a failing one to
# build-fuzz/artifacts.
#     scripts/fuzz-cgi.sh [SECONDS]     (20 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWBFORMS_FUZZ=ON -DWBFORMS_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target cgi_fuzz

mkdir -p build-fuzz/cgi_corpus build-fuzz/artifacts
log=build-fuzz/cgi_fuzz.log
if ! build-fuzz/tests/fuzz/cgi_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=8192 -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 \
    build-fuzz/cgi_corpus tests/fuzz/cgi_corpus >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "fuzzing the CGI request reader failed; the input is in build-fuzz/artifacts/" >&2
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
echo "fuzzing the CGI request reader: no failure in ${seconds} s"
