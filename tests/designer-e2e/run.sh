#!/usr/bin/env bash
# The designer's browser test: tests/designer-e2e/run.sh PATH/OF/wbforms
# Installs playwright-core from the lock file when it is missing, then drives `wbforms design`
# in Debian's chromium. Bounded in time; every process it started ends with it.
set -euo pipefail
export WBFORMS
WBFORMS=$(realpath "$1")
cd "$(dirname "$0")"
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1

if [[ ! -x /usr/bin/chromium ]]; then
  echo "designer-e2e: /usr/bin/chromium is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
if [[ ! -d node_modules/playwright-core ]]; then
  npm ci --no-audit --no-fund --loglevel=error
fi

# The test, the designer and the browser run in a process group of their own, which is ended
# whatever way the test ends.
setsid timeout --kill-after=10 300 node --test --test-timeout=240000 design.test.mjs &
group=$!
trap 'kill -KILL -- "-$group" 2>/dev/null || true' EXIT
wait "$group"
