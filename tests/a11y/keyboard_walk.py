#!/usr/bin/python3
"""A walk through the program with the keyboard alone: every step is keys pressed with xdotool;
the accessibility bus is only watched, to know where the focus is. It puts a tone from the tone
browser on the Patch window's current part, raises the pitch of note 36 in the Drum window,
copies that row into note 40 of the user set and draws and sends a picture of the display. The
test that starts it checks what reached the module. Exits 1 at the first step that does not go as expected."""
import argparse
import subprocess
import time

import pyatspi

from atspi_grid import fail, pump  # beside this file

FOCUSED = [None]
MOVES = [0]  # focus events heard


def on_focus(event):
    if event.type.startswith("object:state-changed:focused") and not event.detail1:
        return
    FOCUSED[0] = event.source
    MOVES[0] += 1


def focused_name():
    try:
        return FOCUSED[0].name if FOCUSED[0] is not None else ""
    except Exception:
        return ""


def focused_role():
    try:
        return FOCUSED[0].getRole() if FOCUSED[0] is not None else None
    except Exception:
        return None


def keys(*names, settle=0.3):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), check=True)
    pump(settle)


def until(what, test, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        if test():
            return
        pump(0.1)
    fail("%s (the focus is on %r)" % (what, focused_name()))


def tab_to(what, test, limit=120):
    """Tab until the focus is where test says; the focus must get there without a pointer (the
    grids take Tab from cell to cell and let it go after their last)."""
    seen = []
    for _ in range(limit):
        if test():
            print("  focus on", repr(focused_name()), flush=True)
            return
        seen.append((focused_name(), focused_role() and focused_role().value_nick))
        # One Tab at a time: the next only once the focus was heard to move (a busy program
        # must not be tabbed past its target).
        before = MOVES[0]
        keys("Tab", settle=0.02)
        end = time.time() + 1
        while MOVES[0] == before and time.time() < end:
            pump(0.02)
        pump(0.05)
    fail("Tab never reached %s; the focus went %s" % (what, seen[-30:]))


def view_menu(downs):
    """The View menu from the keyboard: Alt+V, then the item downs places below the first."""
    keys("alt+v")
    keys(*(["Down"] * downs + ["Return"]))
    pump(0.5)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--window", required=True, help="the main window's X id")
    args = parser.parse_args()
    pyatspi.Registry.registerEventListener(on_focus, "focus:", "object:state-changed:focused")
    subprocess.run(["xdotool", "windowactivate", "--sync", args.window], check=False)
    subprocess.run(["xdotool", "windowfocus", "--sync", args.window], check=True)
    pump(1.0)

    # A tone from the browser: Patch window, its list of tones as details, Patch > PIANO > the
    # second program > its first tone (the parts play the first program's). Each list opens without a current line: Down takes the
    # first (the way up, ".."), Down again the first entry.
    print("tone", flush=True)
    view_menu(0)
    tab_to("the details button", lambda: focused_name() == "Details")
    keys("space")
    tab_to("the tone list", lambda: focused_name() == "Tones")
    keys("End", "Home")  # the current line may be the first already: a move makes it heard
    until("the item Patch", lambda: focused_name() == "Patch")
    keys("Return")
    subprocess.run(["xdotool", "type", "--delay", "60", "PIANO"], check=True)
    until("the category PIANO", lambda: focused_name() == "PIANO")
    keys("Return", "Down", "Down", "Down")
    until("a program", lambda: focused_name() not in ("", "..", "PIANO"))
    print("  program", repr(focused_name()), flush=True)
    keys("Return", "Down", "Down")
    until("a tone", lambda: focused_name() not in ("", ".."))
    print("  tone", repr(focused_name()), flush=True)
    keys("Return")
    pump(0.5)

    # A drum note: the Drum window's grid, note 36, its pitch up by one.
    print("drum", flush=True)
    view_menu(2)
    tab_to("the drum grid", lambda: focused_role() == pyatspi.ROLE_TABLE_CELL and ", " in focused_name())
    keys("ctrl+Home", *(["Down"] * 36))
    until("note 36's pitch", lambda: focused_name().startswith("36 ") and focused_name().endswith(", Pitch"))
    keys("KP_Add")
    # The row to the user set: Ctrl+C here, Ctrl+V on note 40 of the User Drum window.
    print("copy", flush=True)
    keys("ctrl+c")
    view_menu(3)
    tab_to("the user drum grid", lambda: focused_role() == pyatspi.ROLE_TABLE_CELL and ", " in focused_name())
    keys("ctrl+Home", *(["Down"] * 40))
    until("note 40", lambda: focused_name().startswith("40 "))
    keys("ctrl+v")
    pump(0.5)

    # The display: the dot picture by the cursor keys, then its Send button.
    print("display", flush=True)
    view_menu(7)
    tab_to("the dot picture", lambda: focused_name() == "Icon Display")
    keys("space", "shift+Right", "shift+Right", "shift+Down", "shift+Down")
    tab_to("the picture's Send button", lambda: focused_name() == "Send" and focused_role() == pyatspi.ROLE_PUSH_BUTTON)
    keys("space")
    pump(0.5)
    print("PASS", flush=True)


if __name__ == "__main__":
    main()
