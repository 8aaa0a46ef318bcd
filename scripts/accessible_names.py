#!/usr/bin/python3
"""Lists every control of mv52's editor windows that the keyboard reaches but that has no
name for assistive technology, through the AT-SPI accessibility tree (as a screen reader sees
it). Run by scripts/check-accessibility.sh, which starts the program under Xvfb on a private
session bus. Exit 0 when none is listed, 1 when some are, 2 when the program is not found."""

import re
import sys
import time

import pyatspi

# The Edit menu's items that open the editors, in both languages (access keys as the menus show
# them do not reach AT-SPI names).
EDITORS = {
    "en": ["Channel Information", "Option Features", "Roger Beep", "DTMF"],
    "zh": ["信道信息", "可选功能", "RB音", "DTMF(双音多频)"],
}


def find_app(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def plain(caption):
    """A caption without its access key: "信道信息(&C)" and "信道信息(C)" give "信道信息"."""
    return re.sub(r"\(&?[A-Za-z]\)$", "", caption).replace("&", "").strip()


def menu_item(app, caption):
    for node in walk(app):
        if node.getRoleName() == "menu item" and plain(node.name) == caption:
            return node
    return None


def unnamed_controls(app):
    found = []
    for node in walk(app):
        states = node.getState()
        if not states.contains(pyatspi.STATE_FOCUSABLE) or not states.contains(pyatspi.STATE_SHOWING):
            continue
        role = node.getRoleName()
        # Menu items and cells are named by their text; table cells may be empty rows.
        if role in ("menu item", "menu", "table cell", "list item"):
            continue
        if not node.name.strip():
            found.append(role)
    return found


def main():
    language = sys.argv[1] if len(sys.argv) > 1 else "en"
    app = find_app("mv52")
    if app is None:
        print("mv52 is not on the accessibility bus", file=sys.stderr)
        return 2
    failures = 0
    for caption in EDITORS[language]:
        item = menu_item(app, caption)
        if item is None:
            print(f"{caption}: no such menu item", file=sys.stderr)
            failures += 1
            continue
        item.queryAction().doAction(0)
        time.sleep(1.5)
        missing = unnamed_controls(app)
        print(f"{caption}: {len(missing)} focusable control(s) without a name" + (": " + ", ".join(missing) if missing else ""))
        failures += len(missing)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
