#!/usr/bin/env bash
# Builds Veka (release) in build/release and makes the Debian package of what `cmake --install`
# would install there; prints the package's path. Install it with
#   sudo apt install ./build/release/veka4_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build="$root/build/release"
# libmevro.so in /usr/lib/<multiarch>/veka4 as Debian lays out a program's private libraries
# (a folder ldconfig does not look at, so CPack adds no ldconfig scripts either).
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_LIBDIR="lib/$multiarch" >/dev/null
cmake --build "$build" -j"$(nproc)"
if ! output=$(cd "$build" && cpack -G DEB 2>&1); then
  echo "$output" >&2
  echo "package.sh: cpack failed in $build" >&2
  exit 1
fi
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "$output" >&2
  echo "package.sh: cpack did not name the package it wrote" >&2
  exit 1
fi
echo "$deb"
