#!/usr/bin/env bash
# Requests per second through lighttpd on 127.0.0.1, measured with wrk in one run:
#   (b) 'wbforms cgi' on examples/order.dfm as a CGI program, against the smallest CGI program
#       (bench/minimal_cgi.c, built by cc with its default dynamic linking), as a ratio;
#   (c) the same form through one 'wbforms cgi' FastCGI process, as a ratio to (b);
# and the example order program both ways, for reference.
#     bench/cgi_server_bench.sh [SECONDS] [ROUNDS] [BUILD]
# Each load is bounded: wrk -t2 -c8 for SECONDS (3 by default) on the loopback address only, in
# ROUNDS rounds (3 by default); the build is build/ unless BUILD names another.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3}
rounds=${2:-3}
build=$(realpath "${3:-build}")

run=$(mktemp -d /tmp/wbforms-bench.XXXXXX)
server=
cleanup() {
  if [[ -n $server ]]; then
    kill -TERM "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$run"
}
trap cleanup EXIT

cc -O2 -o "$run/minimal_cgi" bench/minimal_cgi.c
mkdir -p "$run/htdocs/images"
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
export WBFORMS_PORT=$port WBFORMS_ROOT=$(pwd) WBFORMS_BUILD=$build WBFORMS_RUN=$run
export WBFORMS_ERRORLOG=$run/error.log
lighttpd -D -f bench/cgi_server.conf &
server=$!
for _ in $(seq 100); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  sleep 0.1
done

if ldd "$build/tools/wbforms" >/dev/null 2>&1; then
  echo "wbforms command, dynamic libraries: $(ldd "$build/tools/wbforms" | awk '{print $1}' | tr '\n' ' ')"
else
  echo "wbforms command: statically linked"
fi

# Requests per second of one address; a load with failed or non-2xx answers stops the run.
rate() {
  local url=http://127.0.0.1:$port$1 out
  curl -sf -o /dev/null "$url" || { echo "$url does not answer" >&2; cat "$run/error.log" >&2; exit 1; }
  out=$(wrk -t2 -c8 -d"${seconds}s" "$url")
  if grep -q -E 'Non-2xx|Socket errors' <<<"$out"; then
    echo "$out" >&2
    exit 1
  fi
  awk '/^Requests\/sec:/ {print $2}' <<<"$out"
}

# The loads take turns, round after round, so that a change in the machine's load between two
# of them does not make the ratios; each figure is the median of the rounds.
names=(minimal cgi fastcgi program_cgi program_fastcgi)
addresses=(/cgi-bin/minimal /forms/order.dfm /fcgi-forms/order.dfm /cgi-bin/order /fcgi/order)
declare -A rates
for ((round = 1; round <= rounds; ++round)); do
  for i in "${!names[@]}"; do
    rates[${names[i]}]+="$(rate "${addresses[i]}") "
  done
done
median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

awk -v m="$(median "${rates[minimal]}")" -v c="$(median "${rates[cgi]}")" \
    -v f="$(median "${rates[fastcgi]}")" -v pc="$(median "${rates[program_cgi]}")" \
    -v pf="$(median "${rates[program_fastcgi]}")" -v rounds="$rounds" 'BEGIN {
  printf "requests per second, median of %d rounds\n", rounds
  printf "%-44s %8.0f\n", "minimal C program, CGI", m
  printf "%-44s %8.0f   %.2f x minimal (target >= 0.8)\n", "wbforms cgi examples/order.dfm, CGI", c, c / m
  printf "%-44s %8.0f   %.1f x CGI (target >= 10)\n", "wbforms cgi examples/order.dfm, FastCGI", f, f / c
  printf "%-44s %8.0f\n", "examples/order_cgi, CGI", pc
  printf "%-44s %8.0f\n", "examples/order_cgi, FastCGI", pf
}'
