#!/usr/bin/env bash
# Builds Veka (release) and starts it. Arguments are passed to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
# Until the main window exists the command-line companion is the program to start.
if [ $# -eq 0 ]; then set -- --help; fi
exec "$build/bin/veka4-cli" "$@"
