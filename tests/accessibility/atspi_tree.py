#!/usr/bin/python3
"""The calculator as a screen reader sees it, through the accessibility bus.

  atspi_tree.py list            every object under the calculator: role, name
  atspi_tree.py unnamed         the count of unnamed, roleless objects there
  atspi_tree.py press NAME      presses the button whose name starts with NAME,
                                then prints its name and the names announced

The program must run on the same session bus with accessibility on; the
calculator is the object named "Калькулятор"."""
import sys
import time

import pyatspi
from gi.repository import GLib

ROLELESS = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL,
            pyatspi.ROLE_REDUNDANT_OBJECT}


def find_calculator(timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or app.name.lower() != "zephyrdex":
                continue
            found = pyatspi.findDescendant(
                app, lambda o: o is not None and o.name == "Калькулятор")
            if found is not None:
                return found
        time.sleep(0.2)
    names = [app.name for app in pyatspi.Registry.getDesktop(0) if app is not None]
    sys.exit(f"atspi_tree: no calculator on the accessibility bus (programs: {names})")


def walk(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def main():
    command = sys.argv[1] if len(sys.argv) > 1 else "list"
    calculator = find_calculator()
    objects = list(walk(calculator))
    if command == "list":
        for o in objects:
            print(f"{o.getRoleName():16} {o.name!r} {o.description!r}")
    elif command == "unnamed":
        unnamed = [o for o in objects if not o.name and o.getRole() in ROLELESS]
        for o in unnamed:
            print(f"unnamed {o.getRoleName()}", file=sys.stderr)
        print(len(unnamed))
    elif command == "press":
        target = next((o for o in objects if o.name.startswith(sys.argv[2])), None)
        if target is None:
            sys.exit(f"atspi_tree: no object named {sys.argv[2]!r}")
        actions = target.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if "Press" not in names:
            sys.exit(f"atspi_tree: the object has no press action ({names})")
        # What a screen reader hears: the new names, announced.
        heard = []

        def listen(event):
            if event.source is not None and event.source.name:
                heard.append(event.source.name)

        pyatspi.Registry.registerEventListener(
            listen, "object:property-change:accessible-name")
        actions.doAction(names.index("Press"))
        GLib.timeout_add(1500, pyatspi.Registry.stop)
        pyatspi.Registry.start()
        print(target.name)
        for name in heard:
            print(f"heard {name}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
