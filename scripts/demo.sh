#!/usr/bin/env bash
# Installs what is missing, builds wbforms and renders the example pages: one built in C++, one
# from the form file examples/order.dfm.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build

out=build/demo
mkdir -p "$out"
build/examples/nested_panels "$out/nested_panels.html"
build/tools/wbforms render examples/order.dfm >"$out/order.html"
build/tools/wbforms preview examples/order.dfm -o "$out/order-preview.png"
echo "The page built in C++ is in $(pwd)/$out/nested_panels.html"
echo "The page of the form file examples/order.dfm is in $(pwd)/$out/order.html"
echo "Its design-time preview is in $(pwd)/$out/order-preview.png"
