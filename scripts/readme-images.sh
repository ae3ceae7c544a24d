#!/usr/bin/env bash
# Makes the two pictures of the example form that the README shows: its design-time preview
# (wbforms preview) and the browser's rendering of its page (a headless chromium screenshot of
# wbforms render). Needs a build in build/ and Debian's chromium (apt-get install chromium).
set -euo pipefail
cd "$(dirname "$0")/.."

form=examples/order.dfm
page=$(mktemp --suffix=.html)
trap 'rm -f "$page"' EXIT

build/tools/wbforms preview "$form" -o examples/order-preview.png
build/tools/wbforms render "$form" >"$page"
# The window is the form's size, 660 x 560.
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=660,560 \
  --screenshot="$(pwd)/examples/order-browser.png" "file://$page" 2>/dev/null
echo "Wrote examples/order-preview.png and examples/order-browser.png"
