#!/usr/bin/env bash
# The browser test: starts lighttpd with the repository's configuration on a free loopback port,
# runs tests/e2e/server.test.mjs (node's test runner, Debian's chromium through playwright-core)
# against it, and stops the server. A sanitizer report in the server's error log (from a CGI or
# FastCGI process of a sanitizer build) fails the test too.
#     tests/e2e/run.sh [BUILD]      (build/ by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")

export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
if [[ ! -d tests/e2e/node_modules/playwright-core ]]; then
  (cd tests/e2e && timeout 300 npm ci --no-audit --no-fund --loglevel=error)
fi

run=$(mktemp -d /tmp/wbforms-e2e.XXXXXX)
server=
stop_server() {
  if [[ -n $server ]] && kill -0 "$server" 2>/dev/null; then
    kill -TERM "$server"
    for _ in $(seq 50); do kill -0 "$server" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  server=
}
trap 'stop_server; rm -rf "$run"' EXIT

# A loopback port that nobody listens on.
free_port() {
  local port
  for _ in $(seq 100); do
    port=$((20000 + RANDOM % 30000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  echo "no free port found" >&2
  return 1
}
port=$(free_port)
BUILD=$build WBFORMS_RUN=$run/server WBFORMS_ERRORLOG=$run/error.log \
  scripts/serve.sh "$port" >"$run/serve.out" 2>&1 &
server=$!
for _ in $(seq 100); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then break; fi
  if ! kill -0 "$server" 2>/dev/null; then cat "$run/serve.out" >&2; exit 1; fi
  sleep 0.1
done

status=0
WBFORMS_BASE_URL="http://127.0.0.1:$port" timeout 240 \
  node --test --test-timeout=60000 tests/e2e/server.test.mjs || status=$?
stop_server
if grep -q -E 'Sanitizer|runtime error:' "$run/error.log" 2>/dev/null; then
  echo "e2e: the server's error log has sanitizer reports:" >&2
  cat "$run/error.log" >&2
  status=1
fi
if ((status != 0)) && [[ -s $run/error.log ]]; then
  echo "== the server's error log ==" >&2
  cat "$run/error.log" >&2
fi
exit "$status"
