#!/usr/bin/env python3
"""What a screen reader sees of the window program, through the AT-SPI bus: the program is started on an
input file under a private X server and D-Bus session, and its accessibility tree must name every control
after its caption and show the file's values.

    dbus-run-session -- python3 atspi_smoke.py PROGRAM
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TIMEOUT_SECONDS = 30

# Controls as a screen reader announces them: role, then the name or, for a list, its label.
EXPECTED = [
    ("text", "净跨径 L0 (m)", "4.25"),
    ("text", "盖板宽 b (m)", "0.99"),
    ("text", "跨中弯矩 (kNm)", ""),
    ("check box", "修改 盖板宽 b", None),
    ("check box", "修改 计算跨径", None),
    ("radio button", "暗涵盖板", None),
    ("push button", "计算", None),
    ("push button", "计算书", None),
    ("combo box", "混凝土强度等级", "C30"),
    ("combo box", "汽车荷载等级", "公路-I级"),
]


def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        display = reader.readline().strip()
    if not display:
        raise SystemExit("atspi_smoke: Xvfb did not start")
    return server, ":" + display


def input_file(folder):
    """The default input with the clear span changed to 4.25 (line 43), GBK and CR LF as the program writes."""
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples", "default.tvrl")
    with open(source, "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[42] = b"4.25" + lines[42][lines[42].index(b" " * 20):]
    path = os.path.join(folder, "涵 K12.tvrl")
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))
    return path


def find_application(name):
    deadline = time.monotonic() + TIMEOUT_SECONDS
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                frames = [app.get_child_at_index(j) for j in range(app.get_child_count())]
                if any(frame is not None and frame.get_role_name() == "frame" for frame in frames):
                    return app
        time.sleep(0.2)
    raise SystemExit(f"atspi_smoke: no application '{name}' on the accessibility bus")


def walk(node, found):
    found.append(node)
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, found)
    return found


def label_of(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            return relation.get_target(0).get_name()
    return ""


def value_of(node):
    if "Text" in node.get_interfaces():
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    return node.get_name()


def check(program):
    folder = tempfile.mkdtemp(prefix="tavrel-atspi-")
    server, display = start_x_server()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"),
               XDG_CONFIG_HOME=os.path.join(folder, "config"), XDG_RUNTIME_DIR=folder)
    path = input_file(folder)
    window = subprocess.Popen([program, path], env=env, stderr=subprocess.DEVNULL)
    failures = []
    try:
        app = find_application("Tavrel")
        nodes = walk(app, [])
        frame = next(n for n in nodes if n.get_role_name() == "frame")
        if frame.get_name() != "TavrelV0.2  " + path:
            failures.append(f"caption {frame.get_name()!r} does not show the opened file")
        for role, name, value in EXPECTED:
            candidates = [n for n in nodes if n.get_role_name() == role and
                          (label_of(n) if role == "combo box" else n.get_name()) == name]
            if not candidates:
                failures.append(f"no {role} named {name!r}")
            elif value is not None and value_of(candidates[0]) != value:
                failures.append(f"{role} {name!r} holds {value_of(candidates[0])!r}, not {value!r}")
        unnamed = [n.get_role_name() for n in nodes
                   if n.get_role_name() in ("text", "check box", "push button", "radio button")
                   and not n.get_name()]
        if unnamed:
            failures.append(f"controls without a name: {unnamed}")
    finally:
        window.send_signal(signal.SIGTERM)
        window.wait(timeout=10)
        server.terminate()
        server.wait(timeout=10)
        shutil.rmtree(folder, ignore_errors=True)
    for failure in failures:
        print("atspi_smoke:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    sys.exit(check(os.path.abspath(sys.argv[1])))
