#!/usr/bin/env bash
# Runs a test program on a virtual X server of its own with a window manager (the sequencer
# link needs one that keeps _NET_CLIENT_LIST and honours _NET_ACTIVE_WINDOW). Exits 77 (skipped)
# when the tools are missing.
set -u
command -v xvfb-run >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null || {
  echo "xvfb-run, openbox or xdotool is not installed" >&2
  exit 77
}
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# openbox first; the program starts once the window manager has claimed the screen.
exec xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
  openbox >/dev/null 2>&1 &
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
  exec "$@"' sh "$@"
