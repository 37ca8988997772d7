"""Walks Brenmoor's window as a screen reader sees it, through AT-SPI.

Run by scripts/check-accessibility inside a private X server and D-Bus
session; needs Debian's python3 with python3-pyatspi (/usr/bin/python3).

    check_accessibility.py BRENMOOR [ARGS...]

Starts the program, finds its window on the accessibility bus and checks
that every control is named as it reads, icon-only ones included, that the
tree and the grid carry their captions' names, that the grid's cells are
table cells, and that Conflict Detection's maps expose their cells the same
way. Prints one line per finding; exit status 0 when nothing is wrong.
"""

import subprocess
import sys
import time

import pyatspi

TITLE = "Gateway Configuration Software Brenmoor"
TOOLBAR = ["New", "Save", "Open", "Add Node", "Del Node", "Add Cmd ", "Del Cmd ", "Upload",
           "Download", "AutoMap", "Confilct", "Export", "Debug"]
# Controls whose name is what they show; a nameless one is read as nothing.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ICON,
}

problems = []


def wait_for(find, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def descendants(node, depth=0):
    yield node, depth
    if depth > 40:
        return
    try:
        count = node.childCount
    except Exception:
        return
    # Tables list their cells as children: the cells are checked through
    # the table interface instead.
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
                          pyatspi.ROLE_LIST):
        return
    for i in range(min(count, 500)):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield from descendants(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def application(process):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == process.pid:
                    return app
            except Exception:
                continue
        return None
    return wait_for(find)


def window(app, title):
    def find():
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if child is not None and child.name == title:
                return child
        return None
    return wait_for(find, 30)


def check_names(root, where):
    checked = 0
    for node, _ in descendants(root):
        role = node.getRole()
        if role in NAMED_ROLES and showing(node):
            checked += 1
            if not node.name.strip():
                problems.append(f"{where}: a {node.getRoleName()} without a name")
    print(f"{where}: {checked} controls looked at")


def find_all(root, role):
    return [node for node, _ in descendants(root) if node.getRole() == role]


def table_named(root, name):
    for node, _ in descendants(root):
        if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE) and node.name == name:
            return node
    return None


def cell_name(table, row, column):
    cell = table.queryTable().getAccessibleAt(row, column)
    return cell.name if cell is not None else None


def main():
    process = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
    try:
        app = application(process)
        if app is None:
            print("the program never appeared on the accessibility bus")
            return 2
        frame = window(app, TITLE)
        if frame is None:
            print(f"no window \"{TITLE}\"")
            return 2

        buttons = [node.name for node in find_all(frame, pyatspi.ROLE_PUSH_BUTTON)
                   if node.name in TOOLBAR]
        if buttons != TOOLBAR:
            problems.append(f"toolbar buttons read {buttons}")
        check_names(frame, "main window")

        tree = [node for node, _ in descendants(frame)
                if node.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE)]
        if not tree or tree[0].name != "Device":
            problems.append("the tree is not named \"Device\"")
        grid = table_named(frame, "Configuration")
        if grid is None:
            problems.append("no table \"Configuration\"")
        else:
            table = grid.queryTable()
            if table.nColumns != 2 or table.nRows < 33:
                problems.append(f"the grid has {table.nRows} x {table.nColumns} cells")
            if cell_name(grid, 0, 0) != "Type of Protocol":
                problems.append(f"grid cell (0, 0) reads {cell_name(grid, 0, 0)!r}")
        labels = {node.name for node in find_all(frame, pyatspi.ROLE_LABEL)}
        for pane in ("Uppercase", "Digital", "Scroll"):
            if pane not in labels:
                problems.append(f"no status pane \"{pane}\"")

        # Conflict Detection from its toolbar button, as a keyboard user
        # of a screen reader would press it.
        conflict = [node for node in find_all(frame, pyatspi.ROLE_PUSH_BUTTON)
                    if node.name == "Confilct"]
        if conflict:
            # The dialog is modal: the program answers the press only once
            # it closes, so the call is left to time out while it is open.
            pyatspi.setTimeout(2000, 15000)
            try:
                conflict[0].queryAction().doAction(0)
            except Exception:
                pass
            dialog = window(app, "Conflict Detection")
            if dialog is None:
                problems.append("Conflict Detection did not open")
            else:
                check_names(dialog, "Conflict Detection")
                for name in ("Input area", "Output area"):
                    grid = table_named(dialog, name)
                    if grid is None:
                        problems.append(f"no table \"{name}\"")
                        continue
                    table = grid.queryTable()
                    if (table.nRows, table.nColumns) != (1024, 17):
                        problems.append(f"{name} has {table.nRows} x {table.nColumns} cells")
                    first = "0000" if name == "Input area" else "4000"
                    if cell_name(grid, 0, 0) != first:
                        problems.append(f"{name} cell (0, 0) reads {cell_name(grid, 0, 0)!r}")
                squares = {node.name for node in find_all(dialog, pyatspi.ROLE_LABEL)}
                for colour in ("green", "blue", "red", "yellow"):
                    if colour not in squares:
                        problems.append(f"no legend square named \"{colour}\"")
        else:
            problems.append("no toolbar button \"Confilct\"")

        for problem in problems:
            print(problem)
        if not problems:
            print("accessibility: every control named, tables expose their cells")
        return 1 if problems else 0
    finally:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    sys.exit(main())
