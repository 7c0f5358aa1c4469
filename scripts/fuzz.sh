#!/usr/bin/env bash
# Builds the libFuzzer targets (with AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for the given time, seeded from fuzz/seeds, the kept regression inputs and, when it is
# beside the project, ../shared/corpus. Prints one line per target: run time, executions and
# what it found. A finding is written to build/fuzz/findings/TARGET/; keep it as a regression
# input by moving it into fuzz/regressions/TARGET/ once it is fixed.
# Usage: scripts/fuzz.sh SECONDS [TARGET...]   (targets: line_list inf_file driver_date
#        inf_values scrambled_copy; default all)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(line_list inf_file driver_date inf_values scrambled_copy)

./scripts/install-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

corpus_inf=../shared/corpus
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target findings=build/fuzz/findings/$target
  mkdir -p "$work" "$findings" "fuzz/seeds/$target" "fuzz/regressions/$target"
  seeds=("fuzz/seeds/$target" "fuzz/regressions/$target")
  case $target in
    line_list | inf_file | inf_values)
      [ -d "$corpus_inf" ] && seeds+=("$corpus_inf") ;;
  esac
  log=build/fuzz/$target.log
  status=0
  "build/fuzz/fuzz/fuzz_$target" "$work" "${seeds[@]}" -max_total_time="$seconds" \
    -max_len=65536 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
  found=$(find "$findings" -type f | wc -l)
  printf '%-16s %6ss %12s executions  %s\n' "$target" "$seconds" "${runs:-?}" \
    "$([ "$status" -eq 0 ] && echo "nothing found" || echo "FOUND: $found input(s) in $findings, log $log")"
done
