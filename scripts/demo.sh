#!/usr/bin/env bash
# Installs what is missing, builds wbforms, renders the example pages (one built in C++, one from
# the form file examples/order.dfm), then serves the example programs and form files with
# lighttpd on 127.0.0.1 in the foreground until Ctrl-C:
#     scripts/demo.sh [PORT]        (PORT from the environment, or 8080)
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

exec scripts/serve.sh "$@"
