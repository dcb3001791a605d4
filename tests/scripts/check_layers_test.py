#!/usr/bin/env python3
"""scripts/check-layers on small trees: a tree whose includes point down passes; each kind of violation
(an upward include, report and drawing including each other, Qt below the windows, an operating-system branch outside src/platform, an unknown
folder) fails and is named."""
import pathlib
import subprocess
import sys
import tempfile

CHECKER = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers"

CLEAN = {
    "src/model/record.h": '#include "base/numbers.h"\n#include "platform/files.h"\n',
    "src/calc/loads.cpp": '#include "model/record.h"\n',
    "src/design/search.cpp": '#include "calc/loads.h"\n',
    "src/report/table.cpp": '#include "design/search.h"\n',
    "src/drawing/sheet.cpp": '#include "design/search.h"\n',
    "src/cli/drawing.cpp": '#include "drawing/sheet.h"\n#include "report/table.h"\n',
    "src/ui/window.cpp": '#include <QWidget>\n#include "calc/loads.h"\n',
    "src/platform/files.cpp": "#ifdef _WIN32\n#include <windows.h>\n#endif\n",
}

# (what, file, its text, a word the report must contain)
VIOLATIONS = [
    ("upward include", "src/model/bad.cpp", '#include "calc/loads.h"\n', '"calc/'),
    ("report including the window", "src/report/bad.cpp", '#include "ui/window.h"\n', '"ui/'),
    ("the engine including design mode", "src/calc/bad.cpp", '#include "design/search.h"\n', '"design/'),
    ("design mode including the report", "src/design/bad.cpp", '#include "report/table.h"\n', '"report/'),
    ("the report including the drawing", "src/report/bad.cpp", '#include "drawing/sheet.h"\n', '"drawing/'),
    ("the drawing including the report", "src/drawing/bad.cpp", '#include "report/table.h"\n', '"report/'),
    ("cli including the app", "src/cli/bad.cpp", '#include "app/program.h"\n', '"app/'),
    ("Qt in the report", "src/report/bad.cpp", "#include <QString>\n", "Qt"),
    ("platform branch in calc", "src/calc/bad.cpp", "#if defined(_WIN32)\n#endif\n", "src/platform"),
    ("POSIX header in model", "src/model/bad.cpp", "#include <unistd.h>\n", "src/platform"),
    ("unknown folder", "src/misc/bad.cpp", "\n", "not a known layer"),
]


def run_on(files):
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        for name, text in files.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text, encoding="utf-8")
        return subprocess.run([sys.executable, str(CHECKER), str(root)], capture_output=True, text=True)


def main():
    failures = []
    clean = run_on(CLEAN)
    if clean.returncode != 0:
        failures.append(f"clean tree refused:\n{clean.stdout}")
    for what, name, text, word in VIOLATIONS:
        result = run_on({**CLEAN, name: text})
        if result.returncode != 1 or name not in result.stdout or word not in result.stdout:
            failures.append(f"{what} not reported (exit {result.returncode}):\n{result.stdout}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
