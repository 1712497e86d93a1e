#!/usr/bin/env bash
# Builds Veka (release) and starts the editor veka4. Arguments are passed to the program
# (for example --virtual-module, or a setup file).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only what starts: the program with its data and library, and the command-line companion.
cmake --build "$build" -j"$(nproc)" --target veka4 veka4-cli
# The windowed editor needs a desktop session (X11 or Wayland); without MIDI hardware add
# --virtual-module to try it against the built-in virtual sound module.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = "" ]; then
  echo "run.sh: no desktop session (DISPLAY is not set); veka4 needs one to show its windows." >&2
fi
exec "$build/bin/veka4" "$@"
