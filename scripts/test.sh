#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (warnings are errors)
# and runs the whole test suite; then checks that clang builds the tree without a warning.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
jobs=$(nproc)

build="$root/build/test"
# The benchmarks do not run here: the clang build below compiles them for its warnings.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
  -DVEKA_SANITIZE=ON -DVEKA_WERROR=ON -DVEKA_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"

if [ "${VEKA_SKIP_CLANG:-0}" != 1 ]; then
  clang_build="$root/build/clang"
  cmake -S "$root" -B "$clang_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DVEKA_WERROR=ON >/dev/null
  cmake --build "$clang_build" -j"$jobs"
fi

# Every reader of untrusted files is fuzzed for a short while on each run.
if [ "${VEKA_SKIP_FUZZ:-0}" != 1 ]; then
  bash "$root/scripts/fuzz.sh" "${VEKA_FUZZ_SECONDS:-15}"
fi

# The JACK tests need a server: without sound hardware the dummy driver serves. Synchronous mode
# makes the server wait for every client, so a busy machine slows the cycles down instead of
# dropping MIDI between clients. It has a name of its own, and only the JACK tests are pointed
# at it (tests/CMakeLists.txt): the other tests never wait on it. A server started here is
# stopped on exit.
export JACK_NO_START_SERVER=1
jack_server=veka-test
if command -v jackd >/dev/null && [ "$(jack_wait -s $jack_server -c 2>/dev/null)" != running ]; then
  jackd -n $jack_server -r -S -t 2000 -d dummy -r 48000 -p 256 >"$build/jackd.log" 2>&1 &
  jack_pid=$!
  trap 'kill "$jack_pid" 2>/dev/null && wait "$jack_pid" 2>/dev/null; true' EXIT
  for _ in $(seq 100); do
    [ "$(jack_wait -s $jack_server -c 2>/dev/null)" = running ] && break
    kill -0 "$jack_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ "$(jack_wait -s $jack_server -c 2>/dev/null)" = running ] ||
    echo "JACK server did not start (see $build/jackd.log)" >&2
fi

# The transport's threads under ThreadSanitizer, on the server started above.
if [ "${VEKA_SKIP_TSAN:-0}" != 1 ]; then
  JACK_DEFAULT_SERVER=$jack_server bash "$root/scripts/tsan.sh"
fi

# The test run comes last so its summary closes the output.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
# No test may hold the run: one that hangs fails after five minutes.
ctest --output-on-failure --timeout 300 -j"$jobs"
