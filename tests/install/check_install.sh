#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs a built tree into a temporary prefix with
# `cmake --install` and checks what an installed Veka needs: every file in its place and
# nothing else, veka4-cli finding the default data and the order list from there (not from the
# build tree), the desktop entry valid and the setup types known from the installed share
# folder. The tools that check the desktop files are used when they are installed.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR}
build=$(cd "$build" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
cmake=${CMAKE:-cmake}
corpus=$root/tests/corpus

work=$(mktemp -d "${TMPDIR:-/tmp}/veka-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
  echo "check_install: $*" >&2
  failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "check_install: cmake --install $build failed" >&2
  exit 1
fi

# The layout --------------------------------------------------------------------------------
for top in "$prefix"/* "$prefix"/.[!.]*; do
  [ -e "$top" ] || continue
  case $(basename "$top") in
    bin | lib* | share) ;;
    *) fail "unexpected in the prefix: ${top#"$prefix"/}" ;;
  esac
done
# Only the two programs: no tests, benchmarks or build tools.
installed_bin=$(find "$prefix/bin" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort | tr '\n' ' ')
[ "$installed_bin" = "veka4 veka4-cli " ] || fail "bin/ holds: $installed_bin(expected veka4 veka4-cli)"
for program in veka4 veka4-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not an executable"
done
# Under lib*, the administrator check alone, in the program's own folder.
mapfile -t libraries < <(cd "$prefix" && find lib* -mindepth 1 \( -type f -o -type l \) 2>/dev/null | sort)
if [ ${#libraries[@]} -ne 1 ] || [[ ${libraries[0]} != lib*/veka4/libmevro.so ]]; then
  fail "lib*/ holds: ${libraries[*]:-nothing} (expected lib*/veka4/libmevro.so)"
fi
for file in veka4/default.scd veka4/Wall8.bmp veka4/Wall4.bmp veka4/help/veka4.html \
  applications/veka4.desktop mime/packages/veka4.xml icons/hicolor/scalable/apps/veka4.svg; do
  [ -s "$prefix/share/$file" ] || fail "share/$file is missing or empty"
done
# Every default data file the build made.
[ -d "$build/bin/default" ] || fail "$build/bin/default is missing: is the tree built?"
for data in "$build"/bin/default/*; do
  [ -e "$data" ] || continue
  cmp -s "$data" "$prefix/share/veka4/default/$(basename "$data")" || fail "share/veka4/default/$(basename "$data") differs or is missing"
done
for shared in "$prefix"/share/*; do
  case $(basename "$shared") in
    veka4 | applications | mime | icons) ;;
    *) fail "unexpected in share/: $(basename "$shared")" ;;
  esac
done
cmp -s "$root/data/desktop/veka4.svg" "$prefix/share/icons/hicolor/scalable/apps/veka4.svg" || fail "the installed icon is not data/desktop/veka4.svg"

# The programs run from the prefix ------------------------------------------------------------
# A home of their own; no VEKA_DEFAULT_DIR, so the default data must come from share/veka4.
home=$work/home
mkdir -p "$home"
run_cli() {
  env -u VEKA_DEFAULT_DIR -u VEKA_VIRTUAL_MODULE HOME="$home" VEKA_HOME="$home/veka" XDG_CONFIG_HOME="$home/.config" \
    "$prefix/bin/veka4-cli" "$@"
}
tone=$(run_cli tone 4 0 0 2>&1) || fail "veka4-cli tone 4 0 0 failed: $tone"
[ "$tone" = "Piano 1" ] || fail "veka4-cli tone 4 0 0 gave '$tone', not 'Piano 1'"
# A song's setup read into a setup file and listed with the texts of the default data.
setup=$work/setup.ga4
run_cli convert "$corpus/smf/song1.mid" "$setup" >/dev/null 2>&1 || fail "veka4-cli convert song1.mid to .ga4 failed"
info=$(run_cli info "$setup" 2>&1) || fail "veka4-cli info setup.ga4 failed: $info"
[[ $info == *"Kind: All data (.ga4)"* ]] || fail "veka4-cli info setup.ga4 gave: $info"
run_cli --version >/dev/null || fail "veka4-cli --version failed"
env -u VEKA_DEFAULT_DIR HOME="$home" VEKA_HOME="$home/veka" "$prefix/bin/veka4" --version >/dev/null 2>&1 ||
  fail "veka4 --version failed"

# The windowed program started from the prefix, on the built-in virtual module and offscreen:
# it starts (the default data from share/veka4), takes its picture and ends in order; the
# library in lib*/veka4 answers, so it registers the installed program with the desktop.
gui_home=$work/gui
mkdir -p "$gui_home/veka" "$gui_home/data"
printf '[setting]\nmax part=1\n[midiport]\nmidiout 0=0\nmidiout 1=1\n' >"$gui_home/veka/Veka.ini"
if ! env -u VEKA_DEFAULT_DIR -u DISPLAY -u WAYLAND_DISPLAY HOME="$gui_home" VEKA_HOME="$gui_home/veka" \
  XDG_DATA_HOME="$gui_home/data" XDG_RUNTIME_DIR="$gui_home" QT_QPA_PLATFORM=offscreen VEKA_VIRTUAL_MODULE=1 \
  VEKA_AUTO_ANSWER_MS=100 VEKA_SCREENSHOT="$work/installed.png" timeout 60 "$prefix/bin/veka4" \
  >"$work/gui.log" 2>&1; then
  fail "the installed veka4 did not start and end in order: $(tail -5 "$work/gui.log")"
fi
[ -s "$work/installed.png" ] || fail "the installed veka4 took no picture of its window"
grep -q "perfect finish=1" "$gui_home/veka/Veka.ini" || fail "the installed veka4 did not end in order"
entry=$gui_home/data/applications/veka4.desktop
if [ -f "$entry" ]; then
  grep -q "^Exec=$prefix/bin/veka4 %f" "$entry" || fail "the registered entry does not start the installed program: $(grep ^Exec "$entry")"
  [ -s "$gui_home/data/icons/hicolor/scalable/apps/veka4.svg" ] || fail "the registration found no icon"
else
  fail "the installed veka4 registered nothing (libmevro.so not found in lib*/veka4?)"
fi

# The order list of a written song is the installed default.scd: a different list put there
# gives the song that list gives.
run_cli convert "$setup" "$work/shipped.mid" >/dev/null 2>&1 || fail "veka4-cli convert to .mid failed"
run_cli convert "$setup" "$work/small.mid" --order "$corpus/order_file/small.scd" >/dev/null 2>&1 ||
  fail "veka4-cli convert --order failed"
cp "$corpus/order_file/small.scd" "$prefix/share/veka4/default.scd"
run_cli convert "$setup" "$work/replaced.mid" >/dev/null 2>&1 || fail "veka4-cli convert to .mid failed"
if cmp -s "$work/shipped.mid" "$work/small.mid"; then
  fail "the two order lists give the same song, so the order list's place cannot be checked"
elif ! cmp -s "$work/replaced.mid" "$work/small.mid"; then
  fail "veka4-cli did not take the order list from share/veka4/default.scd"
fi

# The desktop files -------------------------------------------------------------------------
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/veka4.desktop" || fail "desktop-file-validate rejects the entry"
else
  echo "check_install: desktop-file-validate is not installed; the entry is not validated" >&2
fi
# Outside a session xdg-mime asks mimetype, which reads the MIME database (without it, file(1)).
if command -v update-mime-database >/dev/null && command -v xdg-mime >/dev/null && command -v mimetype >/dev/null; then
  # It notes that the folder is not among the searched ones, which is why the variables follow.
  update-mime-database "$prefix/share/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database failed: $(cat "$work/mime.log")"
  mkdir -p "$work/empty"
  printf '\1\2\3\4' >"$work/x.ga4"
  # The generic desktop's way (no session's own tools), with only the installed share folder.
  type=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    -u MATE_DESKTOP_SESSION_ID -u DISPLAY XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/empty" \
    xdg-mime query filetype "$work/x.ga4" 2>&1) || true
  [ "$type" = application/x-veka4-setup ] || fail "xdg-mime says '$type' for x.ga4, not application/x-veka4-setup"
else
  echo "check_install: update-mime-database, xdg-mime or mimetype is not installed; the MIME types are not checked" >&2
fi

if [ "$failures" -ne 0 ]; then
  echo "check_install: $failures check(s) failed for $build" >&2
  exit 1
fi
echo "check_install: the installed tree of $build is complete"
