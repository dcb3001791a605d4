#!/usr/bin/env python3
"""scripts/check-windows-files on copies of the Windows deployment list: the list as committed passes and
its installer script compiles; a list without a file the window needs fails and names that file."""
import os
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECKER = ROOT / "scripts" / "check-windows-files"
LIST = ROOT / "packaging" / "windows" / "window-files.txt"

# (what the window would lack, the name left out of the list)
OMISSIONS = [
    ("a Qt module the window links", "Qt6Widgets.dll"),
    ("a module Widgets needs", "Qt6Gui.dll"),
    ("the windows platform plugin", "platforms/qwindows.dll"),
    ("the native style", "styles/qwindowsvistastyle.dll"),
    ("the reader of the JPEG figures", "imageformats/qjpeg.dll"),
    ("the C++ runtime", "libstdc++-6.dll"),
]


def run_with(lines, work):
    listed = pathlib.Path(work) / "window-files.txt"
    listed.write_text("".join(lines), encoding="utf-8")
    environment = {**os.environ, "TAVREL_WINDOWS_FILES": str(listed)}
    return subprocess.run([str(CHECKER), str(pathlib.Path(work) / "check")], capture_output=True, text=True,
                          env=environment)


def main():
    lines = LIST.read_text(encoding="utf-8").splitlines(keepends=True)
    failures = []
    with tempfile.TemporaryDirectory() as work:
        complete = run_with(lines, work)
        if complete.returncode != 0:
            failures.append(f"the committed list is refused:\n{complete.stderr}")
        for what, name in OMISSIONS:
            kept = [line for line in lines if line.split()[:1] != [name]]
            if len(kept) != len(lines) - 1:
                failures.append(f"{name} is not in the committed list once")
                continue
            result = run_with(kept, work)
            if result.returncode == 0 or name not in result.stderr:
                failures.append(f"without {what} ({name}) the check passes or does not say so:\n{result.stderr}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
