#!/usr/bin/env bash
# Installs what the build and the tests need when it is missing, builds the
# updater and its tests in build/ and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"

missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v make >/dev/null || missing+=(make)
command -v g++ >/dev/null || missing+=(g++)
command -v setpriv >/dev/null || missing+=(util-linux)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DKORVANE_TESTS=ON
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure
