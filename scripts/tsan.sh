#!/usr/bin/env bash
# The MIDI transport under ThreadSanitizer: the driver threads (the virtual module's and
# JACK's) write the input ring while the test's thread reads it, and the outputs are written
# from the user's thread while JACK's thread (or, for ALSA outputs, the output's own sending
# thread) drains them. Builds the transport's tests with
# clang and -fsanitize=thread and runs them; any report fails. The JACK tests need the
# server the test script starts (JACK_DEFAULT_SERVER); without one they are skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/tsan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVEKA_TSAN=ON -DVEKA_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target veka_midi_tests veka_jack_tests
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp"
"$build/bin/veka_midi_tests" --gtest_brief=1
if [ -n "${JACK_DEFAULT_SERVER:-}" ] && [ "$(jack_wait -s "$JACK_DEFAULT_SERVER" -c 2>/dev/null)" = running ]; then
  "$build/bin/veka_jack_tests" --gtest_brief=1
else
  echo "tsan.sh: no JACK server running: the JACK transport tests were not run under ThreadSanitizer"
fi
