#!/usr/bin/env bash
# Builds the updater if needed and runs it on the game folder given, or, with
# no folder, on a scratch copy of the sample game in examples/game. Prints the
# update log and, for the sample, what changed. Exits with the updater's status.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v make >/dev/null || missing+=(make)
command -v g++ >/dev/null || missing+=(g++)
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [ ! -f "$here/build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$here/build" -DKORVANE_TESTS=OFF >/dev/null
fi
cmake --build "$here/build" --target Korvane_V12_Update >/dev/null
program="$here/build/Korvane_V12_Update"

if [ $# -ge 1 ]; then
  folder=$1
  sample=false
else
  folder=$(mktemp -d)
  cp "$here"/examples/game/* "$folder"
  sample=true
  echo "Running on a scratch copy of the sample game: $folder"
fi

status=0
"$program" "$folder" || status=$?
echo "Exit status: $status"
echo "--- Korvane_V12_Update.log"
tr -d '\r' < "$folder/Korvane_V12_Update.log"
if $sample; then
  for name in LOTD.ini Engine.int; do
    echo "--- What changed in $name"
    diff "$folder/$name.bak" "$folder/$name" | tr -d '\r' || true
  done
fi
exit "$status"
