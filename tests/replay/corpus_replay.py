#!/usr/bin/env python3
"""Replays logs with trakora-replay, in file mode and in serial mode, with
--each. Each run must exit 0 with nothing on standard error
and valid JSON Lines, and the lines it reports as dispatched must be the
file's lines cut by the rules of that mode, byte for byte.

  corpus_replay.py TOOL LOG...
"""

import json
import subprocess
import sys

from log_lines import file_lines


def serial_lines(data):
    """Lines as the serial input cuts them: at LF, the byte before it dropped;
    a line found before position 5 is one blank; any line not starting with
    "$" becomes five blanks; text after the last LF is not a line."""
    lines = []
    while True:
        lf = data.find(b"\n")
        if lf < 0:
            return lines
        p = lf + 1
        line = b" " if p < 5 else data[:p - 2]
        if not line.startswith(b"$"):
            line = b"     "
        lines.append(line)
        data = data[p:]


def check(tool, path, serial):
    args = [tool, "--each"] + (["--serial"] if serial else []) + [path]
    run = subprocess.run(args, capture_output=True)
    mode = "serial" if serial else "file"
    if run.returncode != 0 or run.stderr:
        return ["%s (%s): exit %d, %r" % (path, mode, run.returncode, run.stderr[:300])]
    try:
        rows = [json.loads(line) for line in run.stdout.splitlines()]
    except ValueError as error:
        return ["%s (%s): invalid JSON: %s" % (path, mode, error)]
    with open(path, "rb") as f:
        data = f.read()
    expected = serial_lines(data) if serial else file_lines(data)
    dispatched = [row["line"].encode("latin-1") for row in rows[:-1]]
    failures = []
    if dispatched != expected:
        first = next((i for i, (a, b) in enumerate(zip(dispatched, expected)) if a != b),
                     min(len(dispatched), len(expected)))
        failures.append("%s (%s): dispatched lines differ from line %d on" % (path, mode, first + 1))
    if rows[-1]["stats"]["lines"] != len(expected):
        failures.append("%s (%s): stats count %d lines" % (path, mode, rows[-1]["stats"]["lines"]))
    if len(rows) > 1 and rows[-1]["state"] != rows[-2]["state"]:
        failures.append("%s (%s): final state differs from the last line's" % (path, mode))
    return failures


def main():
    tool, logs = sys.argv[1], sys.argv[2:]
    failures = []
    for path in logs:
        failures += check(tool, path, serial=False)
        failures += check(tool, path, serial=True)
    for failure in failures:
        print(failure)
    print("%d logs replayed, %d failures" % (len(logs), len(failures)))
    return 1 if failures or not logs else 0


if __name__ == "__main__":
    sys.exit(main())
