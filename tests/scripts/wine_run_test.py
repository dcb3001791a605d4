#!/usr/bin/env python3
"""tests/windows/wine-run with a stand-in for Wine that behaves as each case says: a program Wine failed to
start is started once more, a test that ran is never rerun, and the exit status is the last run's."""
import os
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
WINE_RUN = ROOT / "tests" / "windows" / "wine-run"

# A stand-in for Wine: on its Nth start it prints OUTPUTS[N] (or the last) and exits with STATUSES[N].
STAND_IN = """#!/usr/bin/env bash
count_file="$1"; shift
count=$(( $(cat "$count_file" 2>/dev/null || echo 0) + 1 ))
echo "$count" > "$count_file"
outputs=({outputs})
statuses=({statuses})
index=$(( count <= ${{#outputs[@]}} ? count - 1 : ${{#outputs[@]}} - 1 ))
printf '%b' "${{outputs[$index]}}"
exit "${{statuses[$index]}}"
"""

# (case, what each start prints, its exit status, the starts expected, the exit status expected)
CASES = [
    ("a passing test runs once", ["[==========] 1 test\\n"], [0], 1, 0),
    ("a listing of the tests runs once", ["Suite.\\n  Case\\n"], [0], 1, 0),
    ("a failing GoogleTest test is not rerun", ["[==========] 1 test\\n[  FAILED  ]\\n"], [1], 1, 1),
    ("a failing Qt Test suite is not rerun", ["********* Start testing of T *********\\nFAIL!\\n"], [1], 1, 1),
    ("a program Wine failed to start is started again", ["", "[==========] 1 test\\n"], [1, 0], 2, 0),
    ("a program that never starts fails after two starts", ["wine: failure\\n"], [5], 2, 5),
]


def run_case(outputs, statuses, work):
    stand_in = pathlib.Path(work) / "wine"
    quoted = lambda values: " ".join(f"'{value}'" for value in values)
    stand_in.write_text(STAND_IN.format(outputs=quoted(outputs), statuses=quoted(statuses)))
    stand_in.chmod(0o755)
    count_file = pathlib.Path(work) / "starts"
    environment = {**os.environ, "TAVREL_WINE": str(stand_in)}
    result = subprocess.run([str(WINE_RUN), str(count_file)], capture_output=True, text=True, env=environment)
    return result.returncode, int(count_file.read_text())


def main():
    failures = []
    for name, outputs, statuses, starts, status in CASES:
        with tempfile.TemporaryDirectory() as work:
            got_status, got_starts = run_case(outputs, statuses, work)
        if (got_status, got_starts) != (status, starts):
            failures.append(f"{name}: {got_starts} starts, exit {got_status}; expected {starts}, exit {status}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
