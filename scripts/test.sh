#!/usr/bin/env bash
# Installs what is missing, builds everything, fuzzes the form-file reader for 30 seconds, and
# runs every test twice: in the normal build, and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

scripts/build.sh build
scripts/build.sh build-sanitize -DWBFORMS_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== fuzzing the form-file reader =="
scripts/fuzz.sh 30
echo "== fuzzing the CGI request reader =="
scripts/fuzz-cgi.sh 20

echo "== tests =="
ctest --test-dir build --output-on-failure -j2
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ctest --test-dir build-sanitize --output-on-failure -j2
