#!/usr/bin/env bash
# Runs a test program the way a screen reader's user runs the program: on a virtual X server with
# a window manager, in a session bus with the accessibility bus and its registry. Exits 77
# (skipped) when the tools are missing.
set -u
for tool in xvfb-run openbox xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed" >&2; exit 77; }
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# The program's bridge to the bus stays on whatever the desktop's settings say.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export VEKA_ATSPI=1
export NO_AT_BRIDGE=0
exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- sh -c '
  openbox >/dev/null 2>&1 &
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  for _ in $(seq 50); do xprop -root AT_SPI_BUS 2>/dev/null | grep -q "unix:" && break; sleep 0.1; done
  exec "$@"' sh "$@"
