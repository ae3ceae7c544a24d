#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running wbforms need, when they are
# missing. Run as root (apt-get).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libfreetype-dev libfontconfig-dev  # text in previews
  fonts-liberation2      # faces metric-compatible with Arial, MS Sans Serif, Courier New
  libpng-dev             # PNG previews
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev  # the fuzz targets (libFuzzer)
  libcgicc-dev           # a peer form parser for the CGI benchmark
  libgif-dev             # an independent decoder and a peer encoder for the GIF tests
  libcpp-httplib-dev nlohmann-json3-dev  # the designer's server (wbforms design)
  chromium               # the designer's browser test (driven by playwright-core from npm)
  opensp w3c-sgml-lib    # onsgmls and the HTML 3.2 DTD: the example pages are validated
  libfcgi-dev            # FastCGI: wbforms cgi and the example program serve request after request
  lighttpd               # the example server (scripts/serve.sh, the browser test, the benchmark)
  chromium               # the browser test, driven through playwright-core (tests/e2e)
  nodejs                 # runs the browser test (the machine's node 20 with its npm)
  wrk curl               # the server benchmark (bench/cgi_server_bench.sh)
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
