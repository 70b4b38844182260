#!/usr/bin/env bash
# Times the updater against the floor (copy, sync, copy back) and an awk
# peer, on fresh copies of generated game folders: the sample game and files
# of 1, 16 and 128 MiB. Prints, for each size, the median wall time, the CPU
# time, the peak memory and the ratios, as a Markdown table.
#   bench/bench.sh [SIZES...]   (default: typical 1 16 128)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v make >/dev/null || missing+=(make)
command -v g++ >/dev/null || missing+=(g++)
command -v hyperfine >/dev/null || missing+=(hyperfine)
[ -x /usr/bin/time ] || missing+=(time)
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}" >&2
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" >&2
fi
cmake -S "$root" -B "$root/build-bench" -DKORVANE_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-bench" --target Korvane_V12_Update >/dev/null
updater="$root/build-bench/Korvane_V12_Update"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/korvane_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
sizes=("${@:-typical}")
[ $# -gt 0 ] || sizes=(typical 1 16 128)

# The game folder of |size|: the sample game, or generated files of that
# many MiB, "LOTD.ini" with CR LF line ends and "Engine.int" with LF.
make_folder() {
  local size=$1 dir=$work/src-$1
  mkdir -p "$dir"
  if [ "$size" = typical ]; then
    cp "$root"/examples/game/* "$dir"
  else
    awk -v kind=lotd -v mib="$size" -v eol=crlf -f "$here/generate.awk" > "$dir/LOTD.ini"
    awk -v kind=engine -v mib="$size" -v eol=lf -f "$here/generate.awk" > "$dir/Engine.int"
  fi
}

fresh() { rm -rf "$work/run" && cp -r "$work/src-$1" "$work/run" && sync; }

# The peak memory of a command, in KiB, on a fresh copy.
peak() {
  fresh "$1"
  /usr/bin/time -f %M -o "$work/peak" "${@:2}" >/dev/null
  cat "$work/peak"
}

echo "| size | tool | median wall (s) | CPU (s) | peak memory (KiB) | vs updater |"
echo "|---|---|---|---|---|---|"
for size in "${sizes[@]}"; do
  make_folder "$size"
  # The peer does the same job: its game files are the updater's.
  fresh "$size"; "$updater" "$work/run"; mv "$work/run" "$work/by-updater"
  fresh "$size"; "$here/peer.sh" "$work/run"
  for f in LOTD.ini Engine.int; do
    cmp -s "$work/run/$f" "$work/by-updater/$f" || { echo "peer differs on $f" >&2; exit 1; }
  done
  rm -rf "$work/by-updater"

  case $size in typical) runs=50 ;; 128) runs=5 ;; *) runs=10 ;; esac
  # No shell between hyperfine and the commands: the small folder's runs
  # take a few milliseconds.
  hyperfine -N --style none --warmup 1 --runs "$runs" \
    --prepare "sh -c 'rm -rf $work/run && cp -r $work/src-$size $work/run && sync'" \
    --export-csv "$work/times.csv" \
    -n updater "$updater $work/run" \
    -n floor "$here/floor.sh $work/run" \
    -n awk "$here/peer.sh $work/run" >/dev/null
  declare -A mem=(
    [updater]=$(peak "$size" "$updater" "$work/run")
    [floor]=$(peak "$size" "$here/floor.sh" "$work/run")
    [awk]=$(peak "$size" "$here/peer.sh" "$work/run"))
  label=$size; [ "$size" = typical ] || label="$size MiB"
  # CSV: command,mean,stddev,median,user,system,min,max
  awk -F, -v label="$label" -v mu="${mem[updater]}" -v mf="${mem[floor]}" \
      -v ma="${mem[awk]}" '
    NR > 1 { wall[$1] = $4; cpu[$1] = $5 + $6 }
    END {
      mem["updater"] = mu; mem["floor"] = mf; mem["awk"] = ma
      n = split("updater floor awk", tools, " ")
      for (i = 1; i <= n; i++) {
        t = tools[i]
        ratio = t == "updater" ? "" : sprintf("%s/updater %.2f", t, wall[t] / wall["updater"])
        if (t == "floor") ratio = sprintf("updater/floor %.2f", wall["updater"] / wall["floor"])
        printf "| %s | %s | %.4f | %.4f | %d | %s |\n", label, t, wall[t], cpu[t], mem[t], ratio
      }
    }' "$work/times.csv"
done
