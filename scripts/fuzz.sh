#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and fuzzes them.
#   scripts/fuzz.sh [SECONDS] [TARGET...]        each target SECONDS (default 15) on a copy of its
#                                                corpus; what it finds stays in build/fuzz
#   scripts/fuzz.sh --long MINUTES [TARGET...]   each target MINUTES; the inputs that reach new
#                                                code are merged into tests/corpus/<name> and the
#                                                run is added to tests/corpus/fuzz_runs.tsv
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
long=0
if [ "${1:-}" = "--long" ]; then
  long=1
  shift
  seconds=$(( ${1:?minutes} * 60 ))
else
  seconds=${1:-15}
fi
shift || true
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVEKA_FUZZ=ON >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/tests/fuzz/*_fuzz.cpp; do
    if [ -f "$f" ]; then targets+=("$(basename "$f" .cpp)"); fi
  done
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets"
  exit 0
fi
# Only the targets and what they link: the rest of the tree is built by the other builds.
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
runs_table="$root/tests/corpus/fuzz_runs.tsv"
for t in "${targets[@]}"; do
  name=${t%_fuzz}
  work="$build/corpus/$name"
  mkdir -p "$work"
  if [ -d "$root/tests/corpus/$name" ]; then cp -n "$root/tests/corpus/$name"/* "$work"/ 2>/dev/null || true; fi
  echo "== $t for ${seconds}s"
  set +e
  TIMEFORMAT='%U %S'
  { time "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts-" "$work" >"$build/$t.log" 2>&1 ; } 2>"$build/$t.time"
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $long -eq 1 ]; then
    # CPU time of the run (user + system) and its executions, kept with the date.
    cpu=$(awk '{printf "%.0f", $1 + $2}' "$build/$t.time")
    execs=$(awk '/stat::number_of_executed_units/ {print $2}' "$build/$t.log" | tail -n 1)
    if [ ! -f "$runs_table" ]; then printf 'date\ttarget\texecutions\tcpu_seconds\tstatus\n' >"$runs_table"; fi
    printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%Y-%m-%d)" "$name" "${execs:-0}" "$cpu" "$status" >>"$runs_table"
    if [ $status -eq 0 ]; then
      # Only the inputs that add coverage join the kept corpus; the hand-made seeds stay.
      mkdir -p "$root/tests/corpus/$name"
      "$build/fuzz/$t" -merge=1 -rss_limit_mb=2048 -timeout=10 "$root/tests/corpus/$name" "$work" \
        >"$build/$t.merge.log" 2>&1 || { tail -n 20 "$build/$t.merge.log"; exit 1; }
      echo "   $(ls "$root/tests/corpus/$name" | wc -l) inputs kept in tests/corpus/$name"
    fi
  fi
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
done
if [ $long -eq 1 ]; then
  echo "== kept fuzz time per target (tests/corpus/fuzz_runs.tsv)"
  awk -F'\t' 'NR > 1 { runs[$2] += $3; cpu[$2] += $4 }
    END { for (t in runs) printf "%-16s %12d runs %8.1f CPU-min\n", t, runs[t], cpu[t] / 60 }' "$runs_table" | sort
fi
