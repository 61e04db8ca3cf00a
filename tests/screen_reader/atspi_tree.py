#!/usr/bin/python3
"""Reads Ferdix's window as a screen reader does, over AT-SPI (python3-pyatspi).

Prints every field a user can type in, choose or read with its role and name, and the
status bar's texts; then types a count into an allowance field (xdotool) and waits for
the status bar's amount to announce its change. Exit code 0 when every editable field
has a name, the net amount is shown and its change was announced; 1 otherwise.

Usage: atspi_tree.py bokmal|nynorsk   (the written standard the program was started in)
Run it through tests/screen_reader/run.sh, which starts the program on a virtual display
with a desktop bus of its own.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NAMED_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_PUSH_BUTTON,
}
# By written standard: the net amount's prefix, and the count field typed into.
STANDARDS = {
    "bokmal": ("Beløp: ", "Kostgodtgjøring uten overnatting, Innland: Over 12 timer, Antall"),
    "nynorsk": ("Sum: ", "Kostgodtgjersle utan overnatting, Innland: Over 12 timar, Kor mange"),
}


def find_app(timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("ferdix"):
                for window in app:
                    if window is not None and window.childCount > 0:
                        return app
        time.sleep(0.2)
    return None


def walk(obj, depth=0):
    yield obj, depth
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def is_editable(obj):
    return obj.getState().contains(pyatspi.STATE_EDITABLE)


def main():
    prefix, count_name = STANDARDS[sys.argv[1] if len(sys.argv) > 1 else "bokmal"]
    app = find_app()
    if app is None:
        print("Ferdix did not appear on the accessibility bus")
        return 1
    window = next(w for w in app if w is not None and w.childCount > 0)
    print(f"window: {window.name!r}")
    unnamed = []
    status = None
    count_field = None
    fields = 0
    for obj, depth in walk(window):
        role = obj.getRole()
        if role == pyatspi.ROLE_STATUS_BAR:
            status = obj
        if role not in NAMED_ROLES:
            continue
        if not obj.getState().contains(pyatspi.STATE_SHOWING) and role != pyatspi.ROLE_LIST:
            continue
        editable = is_editable(obj)
        fields += 1
        # The role as the program names it in the written standard in force (what a screen
        # reader speaks), then AT-SPI's own.
        print(f"{'  ' * min(depth, 6)}{obj.getLocalizedRoleName()} ({obj.getRoleName()})"
              f"{', editable' if editable else ''}: {obj.name!r}")
        if editable and not obj.name:
            unnamed.append(obj)
        if editable and obj.name == count_name:
            count_field = obj
    print(f"{fields} fields, lists and buttons read")

    ok = True
    if unnamed:
        print(f"{len(unnamed)} editable fields without a name")
        ok = False
    if status is None:
        print("no status bar")
        return 1
    texts = [status.getChildAtIndex(i).name for i in range(status.childCount)]
    print(f"status bar: {texts!r}")
    if not any(t.startswith(prefix) for t in texts):
        print(f"the status bar does not show the net amount ({prefix!r}...)")
        return 1

    # The announcement: a name change of the amount pane once a count is typed.
    heard = []

    def on_name(event):
        if event.source is not None and event.source.name.startswith(prefix):
            heard.append(event.source.name)
            loop.quit()

    loop = GLib.MainLoop()
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    if count_field is None:
        print(f"no field {count_name!r}")
        return 1

    def type_count():
        # The keys go to the window with the keyboard focus; the field gets Qt's focus.
        subprocess.run(["xdotool", "search", "--name", "^Ferdix", "windowfocus", "--sync"],
                       check=False)
        count_field.queryComponent().grabFocus()
        subprocess.run(["xdotool", "type", "--delay", "50", "2"], check=False)
        return False

    GLib.timeout_add(200, type_count)
    GLib.timeout_add_seconds(20, loop.quit)
    loop.run()
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    if not heard:
        print("typing a count announced no new amount")
        return 1
    print(f"announced: {heard[-1]!r}")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
