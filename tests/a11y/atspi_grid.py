#!/usr/bin/python3
"""Reads and edits a cell of one of the program's editor grids through the accessibility bus,
as a screen reader does: opens the window with its tool button, finds the grid as a table, reads
the cell by its row and column names, moves there, raises the value with a key and reads the new
value back. Prints what it found; exits 1 at the first thing that is not as expected."""
import argparse
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = []


def fail(text):
    print("FAIL: " + text, flush=True)
    sys.exit(1)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, find, timeout):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        pump(0.2)
    fail("no " + what + " within %d s" % timeout)


def the_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that left meanwhile
            continue
    return None


def walk(root, want, depth=0):
    """Depth-first over the tree without entering tables (their cells are many)."""
    if root is None or depth > 40:
        return None
    try:
        if want(root):
            return root
        if root.getRole() == pyatspi.ROLE_TABLE:
            return None
        for i in range(root.childCount):
            found = walk(root.getChildAtIndex(i), want, depth + 1)
            if found is not None:
                return found
    except Exception:  # a widget that went away while walking
        return None
    return None


def named(role_set, name):
    def want(acc):
        return acc.getRole() in role_set and acc.name == name
    return want


CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
            pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
            pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE,
            pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT}


UNREADABLE = [0]  # objects the walk could not read


def unnamed_controls(root, found, depth=0):
    """The controls on screen whose name a screen reader could not say."""
    if root is None or depth > 40:
        return found
    try:
        states = root.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            return found
        role = root.getRole()
        if role in CONTROLS and not root.name.strip():
            parent = root.parent.name if root.parent else ""
            found.append("%s in %r" % (root.getRoleName(), parent))
        if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX,
                    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_MENU_BAR):
            return found  # their items are named by their content
        for i in range(root.childCount):
            unnamed_controls(root.getChildAtIndex(i), found, depth + 1)
    except Exception:  # a widget that went away while walking
        UNREADABLE[0] += 1
    return found


def text_of(acc):
    return acc.queryText().getText(0, -1)


def on_event(event):
    try:
        EVENTS.append((event.type, event.source.name if event.source else "", event.any_data))
    except Exception:
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--button", required=True, help="the tool button that opens the window")
    parser.add_argument("--table", required=True, help="the grid's accessible name")
    parser.add_argument("--row", required=True)
    parser.add_argument("--column", required=True)
    parser.add_argument("--expect", required=True)
    parser.add_argument("--key", default="KP_Add")
    parser.add_argument("--after", required=True)
    args = parser.parse_args()

    pyatspi.Registry.registerEventListener(on_event, "object:text-changed", "focus:",
                                           "object:state-changed:focused")
    app = wait_for("application with process %d" % args.pid, lambda: the_application(args.pid), 60)
    print("application:", app.name, flush=True)
    buttons = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON}
    button = wait_for("button '%s'" % args.button, lambda: walk(app, named(buttons, args.button)), 30)
    button.queryAction().doAction(0)
    table = wait_for("table '%s'" % args.table,
                     lambda: walk(app, named({pyatspi.ROLE_TABLE}, args.table)), 30)
    grid = table.queryTable()
    rows = [grid.getRowDescription(r) for r in range(grid.nRows)]
    columns = [grid.getColumnDescription(c) for c in range(grid.nColumns)]
    print("rows:", grid.nRows, "columns:", grid.nColumns, flush=True)
    # A row is found by its whole name or by its first word ("36" for "36 C1 Kick 1").
    row = next((i for i, name in enumerate(rows) if name == args.row or name.startswith(args.row + " ")), None)
    if row is None:
        fail("no row '%s' among %s" % (args.row, rows[:20]))
    if args.column not in columns:
        fail("no column '%s' among %s" % (args.column, columns[:20]))
    column = columns.index(args.column)
    cell = grid.getAccessibleAt(row, column)
    if cell.getRole() != pyatspi.ROLE_TABLE_CELL:
        fail("the cell's role is %s" % cell.getRoleName())
    if args.row not in cell.name or args.column not in cell.name:
        fail("the cell's name '%s' does not say its row and column" % cell.name)
    if text_of(cell) != args.expect:
        fail("the cell of %s and %s reads '%s', not '%s'" % (args.row, args.column, text_of(cell), args.expect))
    header = grid.getColumnHeader(column)
    if header is None or header.name != args.column:
        fail("the column header is '%s'" % (header.name if header else None))
    if not cell.getState().contains(pyatspi.STATE_EDITABLE):
        fail("the cell does not say it is editable")
    print("cell:", repr(cell.name), "reads", repr(text_of(cell)), flush=True)

    EVENTS.clear()  # only what the move below brings counts
    if not cell.queryComponent().grabFocus():
        fail("the cell took no focus")
    wait_for("focused cell", lambda: True if cell.getState().contains(pyatspi.STATE_FOCUSED) else None, 10)
    pump(0.5)
    if not any(kind.startswith(("focus", "object:state-changed:focused")) and source == cell.name
               for kind, source, _ in EVENTS):
        fail("the move to the cell was not announced: %s" % EVENTS[-10:])
    print("focused and announced", flush=True)

    EVENTS.clear()
    subprocess.run(["xdotool", "key", args.key], check=True)
    wait_for("value '%s'" % args.after,
             lambda: True if text_of(grid.getAccessibleAt(row, column)) == args.after else None, 15)
    pump(0.5)
    if not any(kind.startswith("object:text-changed:insert") and data == args.after for kind, _, data in EVENTS):
        fail("the new value was not announced: %s" % EVENTS[-10:])
    print("after the key the cell reads", repr(args.after), "and said so", flush=True)
    # Every control on screen, the opened window's and the main window's, says what it is.
    unnamed = unnamed_controls(app, [])
    if unnamed:
        fail("controls without a name: %s" % unnamed)
    if UNREADABLE[0] > 3:
        fail("the walk could not read %d objects: it checked less than it should" % UNREADABLE[0])
    print("every control on screen has a name", flush=True)
    print("PASS", flush=True)


if __name__ == "__main__":
    main()
