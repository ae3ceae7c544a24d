#!/usr/bin/env bash
# Installs what is missing, builds wbforms and renders the example page.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build

out=build/demo
mkdir -p "$out"
build/examples/nested_panels "$out/nested_panels.html"
echo "The example page is in $(pwd)/$out/nested_panels.html"
