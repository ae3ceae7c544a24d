#!/usr/bin/env bash
# Serves the example programs and form files with lighttpd (server/lighttpd.conf) on 127.0.0.1,
# in the foreground until Ctrl-C:
#     scripts/serve.sh [PORT]        (PORT from the environment, or 8080)
# It uses the build in build/ (BUILD=DIR for another). The server's files (its pages, the
# generated charts, the FastCGI sockets) go to $BUILD/server, or to WBFORMS_RUN; errors to the
# terminal, or to WBFORMS_ERRORLOG.
set -euo pipefail
cd "$(dirname "$0")/.."

port=${1:-${PORT:-8080}}
build=$(realpath "${BUILD:-build}")
run=$(realpath -m "${WBFORMS_RUN:-$build/server}")
for program in "$build/examples/order_cgi" "$build/tools/wbforms"; do
  if [[ ! -x $program ]]; then
    echo "serve.sh: $program is missing; build first (scripts/build.sh build)" >&2
    exit 1
  fi
done

mkdir -p "$run/htdocs/images"
cp server/index.html "$run/htdocs/index.html"
export WBFORMS_PORT=$port WBFORMS_ROOT=$(pwd) WBFORMS_BUILD=$build WBFORMS_RUN=$run
export WBFORMS_ERRORLOG=${WBFORMS_ERRORLOG:-/dev/stderr}
lighttpd -tt -f server/lighttpd.conf
echo "Serving the examples on http://127.0.0.1:$port/ (Ctrl-C stops the server)"
# lighttpd stops on Ctrl-C (SIGINT) or SIGTERM, and stops the FastCGI processes it started.
# The CGI and FastCGI programs write their errors to its standard error.
if [[ $WBFORMS_ERRORLOG == /dev/stderr ]]; then
  exec lighttpd -D -f server/lighttpd.conf
fi
exec lighttpd -D -f server/lighttpd.conf 2>>"$WBFORMS_ERRORLOG"
