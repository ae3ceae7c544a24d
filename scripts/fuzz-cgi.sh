#!/usr/bin/env bash
# Builds the CGI request fuzz target with clang into build-fuzz-cgi/ and runs it on the seed
# corpus: scripts/fuzz-cgi.sh [SECONDS] (20 by default). New inputs it finds go to
# build-fuzz-cgi/cgi_corpus/, a crash to build-fuzz-cgi/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

scripts/install-deps.sh
CC=clang CXX=clang++ scripts/build.sh build-fuzz-cgi -DWBFORMS_FUZZ=ON

mkdir -p build-fuzz-cgi/cgi_corpus
build-fuzz-cgi/tests/fuzz/cgi_fuzz -max_total_time="$seconds" -max_len=8192 \
  -artifact_prefix=build-fuzz-cgi/ build-fuzz-cgi/cgi_corpus tests/fuzz/cgi_corpus
