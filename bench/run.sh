#!/usr/bin/env bash
# Times every heavy command of torvane-cli on a generated store of N packages, each next to the
# floor that bounds it on this machine, and prints one line per figure with the ratio.
# Usage: bench/run.sh N   (run the README's first command before, to build)
set -euo pipefail
cd "$(dirname "$0")/.."
n=${1:-20000}
small=$(( n / 10 ))
build=build/release
cli="$PWD/$build/src/torvane-cli"
cmake --build --preset release -j"$(nproc)" >/dev/null

# Stores are made once per size and kept between runs.
store_for() {
  local packages=$1 dir="$PWD/build/bench-store-$1"
  if [ ! -f "$dir/.complete" ]; then
    rm -rf "$dir"
    "$build/bench/torvane_store_gen" "$dir" "$packages" 2026
    touch "$dir/.complete"
  fi
  echo "$dir"
}

# Runs a command in a folder; sets seconds and kib (peak resident memory).
measure() {
  local dir=$1; shift
  local stats
  stats=$(mktemp)
  (cd "$dir" && /usr/bin/time -f '%e %M' -o "$stats" "$@" >/dev/null 2>&1)
  read -r seconds kib <"$stats"
  rm -f "$stats"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
line() { printf '%-44s %10s %10s %8s   %s\n' "$@"; }

big=$(store_for "$n")
little=$(store_for "$small")
# Every figure is taken with the store written out and in the page cache, floors included.
sync
find "$big" "$little" -iname '*.inf' -print0 | xargs -0 cat >/dev/null
work="$PWD/build/bench-work"
rm -rf "$work" && mkdir -p "$work"
ln -s "$big/Drivers" "$work/Drivers"
infs=$(find "$big" -iname '*.inf' | wc -l)
echo "store: $n packages, $infs INF files, $(du -sh "$big" | cut -f1) ($big)"
line "figure" "seconds" "floor" "ratio" "notes"

# Full index against reading every INF byte plus the one compression that cannot be split.
measure "$work" "$cli" full-index 'Drivers\Files'
full=$seconds full_kib=$kib
sync
floor_start=$(date +%s.%N)
find "$big" -iname '*.inf' -print0 | xargs -0 cat >/dev/null
gzip -9 <"$work/HwidsList.txt" >/dev/null
floor=$(awk -v s="$floor_start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
line "full index" "$full" "$floor" "$(ratio "$full" "$floor")" "floor: cat of every INF + gzip -9 of HwidsList.txt"
# The command must compress two more catalogues at level 9; this floor counts all three, each
# on one core as gzip runs, which is what bounds the command on a machine with few cores.
all_start=$(date +%s.%N)
find "$big" -iname '*.inf' -print0 | xargs -0 cat >/dev/null
for catalogue in HwidsList IndexTemp IndexList; do gzip -9 <"$work/$catalogue.txt" >/dev/null; done
all_floor=$(awk -v s="$all_start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
line "full index, all three compressions" "$full" "$all_floor" "$(ratio "$full" "$all_floor")" \
  "floor: cat of every INF + gzip -9 of HwidsList, IndexTemp, IndexList"

# The INF inventory against md5sum of the same files.
measure "$work" "$cli" inf-list 'Drivers\Files'
inf_list=$seconds inf_kib=$kib
md5_start=$(date +%s.%N)
find "$big" -iname '*.inf' -print0 | xargs -0 md5sum >/dev/null
md5=$(awk -v s="$md5_start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
line "inf-list (MD5 inventory)" "$inf_list" "$md5" "$(ratio "$inf_list" "$md5")" "floor: md5sum of the same files"

# The planner over the store's own inventory: every package listed, nothing cut.
cp "$work/2.InfList.txt" "$work/3.DrvList.txt"
: >"$work/0.CutList.txt"
measure "$work" "$cli" plan --target 7-x64 --root 'E:\Drv7x64'
plan=$seconds plan_kib=$kib
line "plan" "$plan" "-" "-" "absolute; $(wc -l <"$work/8.WIMFile.txt") packages selected"
literal=$("$build/bench/torvane_bench" --benchmark_filter='BM_SelectWimPackagesLiterally/2000|BM_SelectWimPackages/2000' \
  --benchmark_format=csv 2>/dev/null | awk -F, '/Literally/ { l = $3 } /BM_SelectWimPackages\/2000"/ { f = $3 } END { printf "%.0f %.0f", l, f }')
line "selection on 2,000 generated packages (ms)" "${literal% *}" "${literal#* }" \
  "$(ratio "${literal% *}" "${literal#* }")" "literal passes against the indexed selection"

# Peak memory.
line "peak memory, full index (MiB)" "$(( full_kib / 1024 ))" "1024" "$(ratio "$full_kib" 1048576)" "target: at most 1 GiB"
line "peak memory, inf-list (MiB)" "$(( inf_kib / 1024 ))" "-" "-" ""
line "peak memory, plan (MiB)" "$(( plan_kib / 1024 ))" "-" "-" ""

# Growth: time per package at N and at N/10.
rm -rf "$work/small" && mkdir -p "$work/small" && ln -s "$little/Drivers" "$work/small/Drivers"
measure "$work/small" "$cli" full-index 'Drivers\Files'
per_big=$(awk -v t="$full" -v n="$n" 'BEGIN { printf "%.1f", t / n * 1e6 }')
per_small=$(awk -v t="$seconds" -v n="$small" 'BEGIN { printf "%.1f", t / n * 1e6 }')
line "full index, µs per package at N and N/10" "$per_big" "$per_small" "$(ratio "$per_big" "$per_small")" \
  "target: at most 1.25"
