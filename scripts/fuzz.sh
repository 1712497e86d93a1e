#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 15) on a copy of its seed corpus. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
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
for t in "${targets[@]}"; do
  name=${t%_fuzz}
  work="$build/corpus/$name"
  mkdir -p "$work"
  if [ -d "$root/tests/corpus/$name" ]; then cp -n "$root/tests/corpus/$name"/* "$work"/ 2>/dev/null || true; fi
  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" >"$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
done
