"""The real program read over AT-SPI, as a screen reader reads it.

Each page is reached by its tab's own "press" action and its controls are
read from the accessibility tree: role, name, description, the label a
field is labelled by, and the group each stands in. They must be the rows
the page templates call for (printed by the accessible table tool). On a
page with a text longer than a field takes, the same action is refused with
the message, and the page stays.

Usage: accessibility.py <brindlewick executable> <accessible table tool> <sample file>
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

TOO_LONG = "Please enter no more than 128 characters."
# A few rows written out by hand, so that the naming rules cannot drift in
# the program and the table tool alike.
SPOT_CHECKS = [
    ("Paths", "Paths", "push button", "Browse for Tapes", "", ""),
    ("Paths", "Paths", "text", "Tapes", "", "Tapes :"),
    ("Oric", "Disc controllers Eproms", "text", "Pravetz", "", "Pravetz :"),
    ("Telestrat", "Telestrat", "push button", "Browse for Bank 7", "", ""),
    ("Add-ons", "Drives", "check box", "Drive A", "", ""),
    ("Add-ons", "Add-ons", "radio button", "Type 3", "Ram", ""),
    ("System", "Sound", "push button", "Browse for Dump Sound File (F8)", "", ""),
]
failures = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    failures.append(message)


def wait_for(what, probe, seconds=20):
    """The first true answer of probe(), or None after `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            answer = probe()
        except Exception:  # the tree changes under the walk; ask again
            answer = None
        if answer:
            return answer
        time.sleep(0.1)
    fail("timed out waiting for " + what)
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node, depth=0):
    if depth > 30:
        return
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from descendants(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application_of(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def tab(app, name):
    for node in descendants(app):
        if node.getRoleName() == "page tab" and node.name == name:
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    fail("no Press action on " + node.name)


def current_tab(app):
    """The tab the tab row shows as current: Qt names the row after it."""
    for node in descendants(app):
        if node.getRoleName() == "page tab list":
            return node.name
    return None


def page(app, name):
    """The page called `name`, when it is the one showing."""
    for node in descendants(app):
        if node.name == name and node.getRoleName() not in ("page tab", "page tab list") and showing(node):
            return node
    return None


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                # Qt also gives a group box's title as a label of everything
                # in it; the field's own label is the one that matters here.
                if target.getRoleName() == "label":
                    names.append(target.name)
    return "|".join(names)


def rows_of(page_node):
    rows = []

    def walk(node, group):
        for child in children(node):
            role = child.getRoleName()
            rows.append((page_node.name, group, role, child.name, child.description, labelled_by(child)))
            if role == "panel":
                walk(child, child.name)

    walk(page_node, page_node.name)
    return sorted(rows)


def start(folder, exe):
    process = subprocess.Popen([exe], cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = wait_for("the program on the accessibility bus", lambda: application_of(process.pid))
    if app is None or not wait_for("the sheet's tabs", lambda: tab(app, "Paths")):
        process.kill()
        process.wait(10)
        return process, None
    return process, app


def stop(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(10)


def check_every_page(exe, sample, expected):
    folder = tempfile.mkdtemp()
    try:
        shutil.copy(sample, os.path.join(folder, "quorvane.ini"))
        process, app = start(folder, exe)
        if app is None:
            return
        try:
            for title in ["Paths", "Oric", "Telestrat", "Add-ons", "System"]:
                press(tab(app, title))
                node = wait_for("page " + title + " shown by its tab's Press", lambda: page(app, title))
                if node is None:
                    continue
                if current_tab(app) != title:
                    fail("the tabs show %r once page %s shows" % (current_tab(app), title))
                got = rows_of(node)
                want = sorted(row for row in expected if row[0] == title)
                for row in SPOT_CHECKS:
                    if row[0] == title and row not in got:
                        fail("not heard on %s: %r" % (title, row))
                for row in sorted(set(want) - set(got)):
                    fail("missing on %s: %r" % (title, row))
                for row in sorted(set(got) - set(want)):
                    fail("unexpected on %s: %r" % (title, row))
        finally:
            stop(process)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def message_box(app):
    for node in descendants(app):
        if node.name == TOO_LONG and showing(node):
            return node
    return None


def check_refused_press(exe):
    folder = tempfile.mkdtemp()
    try:
        with open(os.path.join(folder, "quorvane.ini"), "wb") as config:
            config.write(b"TapePath=" + b"t" * 200 + b"\r\n")
        process, app = start(folder, exe)
        if app is None:
            return
        try:
            press(tab(app, "Oric"))
            text = wait_for("the too-long message after pressing the Oric tab", lambda: message_box(app))
            if text is None:
                return
            if page(app, "Paths") is None:
                fail("the Paths page no longer shows under the message")
            if page(app, "Oric") is not None or current_tab(app) != "Paths":
                fail("the Oric tab or page was shown though the Paths page refused to go")
            box = text.parent
            ok = next((n for n in descendants(box) if n.getRoleName() == "push button" and n.name == "OK"), None)
            if ok is None:
                fail("no OK button in the message box")
                return
            press(ok)
            wait_for("the message box to close", lambda: message_box(app) is None)
            if page(app, "Paths") is None:
                fail("the Paths page does not show after the message")
        finally:
            stop(process)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    exe, table_tool, sample = (os.path.abspath(argument) for argument in sys.argv[1:4])
    lines = subprocess.run([table_tool], check=True, capture_output=True, text=True).stdout.splitlines()
    expected = [tuple(line.split("\t")) for line in lines]
    check_every_page(exe, sample, expected)
    check_refused_press(exe)
    if failures:
        print("%d failure(s)" % len(failures), file=sys.stderr)
        return 1
    print("accessibility: every page read as its template says; a refused press keeps the page")
    return 0


if __name__ == "__main__":
    sys.exit(main())
