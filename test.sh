#!/usr/bin/env bash
# Installs what the builds and the tests need when it is missing, then builds
# and tests the native program (build/), the same under AddressSanitizer and
# UndefinedBehaviorSanitizer with each fuzzer run for a minute
# (build-sanitize/), and the Windows .exe (build-windows/, its tests run
# under Wine).
set -euo pipefail
cd "$(dirname "$0")"

missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v make >/dev/null || missing+=(make)
command -v g++ >/dev/null || missing+=(g++)
command -v setpriv >/dev/null && command -v prlimit >/dev/null || missing+=(util-linux)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64)
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || missing+=(wine64)
command -v clang++ >/dev/null || missing+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
  missing+=(libclang-rt-dev)
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset native
cmake --build --preset native -j"$(nproc)"
ctest --preset native

cmake --preset sanitize
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
here=$PWD
for fuzzer in round_trip_fuzzer rewrite_fuzzer; do
  # New inputs go to a scratch folder; the seeds in the repo stay as they are.
  mkdir "$scratch/$fuzzer"
  if ! "$here/build-sanitize/$fuzzer" -max_total_time=60 -max_len=8192 \
       -artifact_prefix="$scratch/" "$scratch/$fuzzer" "$here/fuzz/corpus" \
       >"$scratch/$fuzzer.log" 2>&1; then
    cat "$scratch/$fuzzer.log" >&2
    echo "$fuzzer found a fault" >&2
    exit 1
  fi
  echo "$fuzzer: $(tail -n 1 "$scratch/$fuzzer.log")"
done

cmake --preset windows
cmake --build --preset windows -j"$(nproc)"

# The release zip: its .exe updates a copy of the sample game under Wine.
cmake --build --preset release
cmake -E chdir "$scratch" cmake -E tar xf "$PWD/dist/Korvane_V12_Update.zip"
mkdir "$scratch/game"
cp examples/game/* "$scratch/game"
build-windows/wine-run "$scratch/Korvane_V12_Update.exe" "$scratch/game"
if ! tail -c 13 "$scratch/game/Korvane_V12_Update.log" | grep -q "Exiting" ||
  ! cmp -s examples/game/LOTD.ini "$scratch/game/LOTD.ini.bak" ||
  cmp -s examples/game/LOTD.ini "$scratch/game/LOTD.ini"; then
  echo "Release zip: the .exe did not update the sample game" >&2
  exit 1
fi
echo "Release zip: Korvane_V12_Update.exe updated the sample game under Wine."

ctest --preset windows
