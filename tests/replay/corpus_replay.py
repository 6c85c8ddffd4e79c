#!/usr/bin/env python3
"""Replays logs with trakora-replay, in file mode and in serial mode, with
--each. Each run must exit 0 with nothing on standard error
and valid JSON Lines, and the lines it reports as dispatched must be the
file's lines cut by the rules of that mode, byte for byte.

The per-identifier counts of the stats must be those worked out here from
the dispatched lines: passed, bad and missing checksums by identifier, a row
made only when a line of it passes, at most 64 rows.

With --talkers all the final position must be the one the log's last
position sentence of any talker carries (read here independently), every
satellite must be listed once, and a receiver of today (talker GN) that
sends satellites in view must list at least ten.

  corpus_replay.py TOOL LOG...
"""

import json
import math
import re
import struct
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
    got = {name: (row["passed"], row["bad_checksum"], row["no_checksum"])
           for name, row in rows[-1]["stats"]["identifiers"].items()}
    if got != identifier_counts(expected):
        failures.append("%s (%s): identifier counts %r, worked out %r" % (path, mode, got, identifier_counts(expected)))
    return failures


IDENTIFIER = re.compile(rb"^(\$[A-Z0-9]{2,8})(?:[,*]|$)")


def checksum_outcome(line):
    """The dispatcher's test: the exclusive-or of the characters between the
    first one and the first "*", against the two characters after the "*" of
    the last of at most 100 comma-separated fields."""
    star = line.find(b"*")
    if star < 0:
        return 2
    value = 0
    for byte in line[1:star]:
        value ^= byte
    last = line.split(b",")[:100][-1]
    at = last.find(b"*")
    received = last[at + 1:at + 3].ljust(2, b" ") if at >= 0 else b"  "
    return 0 if received == b"%02X" % value else 1


def identifier_counts(lines):
    """{row name: (passed, bad checksum, no checksum)} in the order the rows appear."""
    rows, other, unreadable = {}, [0, 0, 0], [0, 0, 0]
    for line in lines:
        outcome = checksum_outcome(line)
        match = IDENTIFIER.match(line)
        name = match.group(1).decode("ascii") if match else None
        if name is not None and name not in rows and outcome == 0 and len(rows) < 64:
            rows[name] = [0, 0, 0]
        row = unreadable if name is None else rows.get(name, other)
        row[outcome] += 1
    rows["other"], rows["unreadable"] = other, unreadable
    return {name: tuple(row) for name, row in rows.items()}


STANDARD_TALKER = re.compile(rb"^\$[A-OQ-Z][A-Z](RMC|GGA|GLL),")


def checksum_ok(line):
    star = line.find(b"*")
    if star < 2 or len(line) < star + 3:
        return False
    value = 0
    for byte in line[1:star]:
        value ^= byte
    return line[star + 1:star + 3] == b"%02X" % value


PLAIN_NUMBER = re.compile(rb"^ *[+-]?(\d+\.?\d*|\.\d+) *$")


def degrees(field, letter, limit, letters):
    """ddmm.mmmm as degrees; 0 when the field is empty or unreadable, negative,
    beyond `limit` degrees (in single precision), or its hemisphere letter is
    neither blank nor one of `letters`."""
    if not PLAIN_NUMBER.match(field) or letter.strip(b" ") not in (b"",) + letters:
        return 0.0
    value = float(field)
    if math.copysign(1.0, value) < 0:
        return 0.0
    whole = math.floor(value / 100)
    result = whole + (value - 100 * whole) / 60
    if result > limit + 1 or struct.unpack("f", struct.pack("f", result))[0] > limit:
        return 0.0
    return result


def last_position(lines):
    """(latitude, N/S, longitude, E/W) of the last RMC, GGA or GLL of any talker
    that the decoders take a position from, or None."""
    found = None
    for line in lines:
        if not STANDARD_TALKER.match(line) or not checksum_ok(line):
            continue
        fields = line[:line.find(b"*")].split(b",")
        kind = fields[0][3:]
        if kind == b"GLL":
            if len(fields) > 6 and fields[6] != b"A":
                continue  # a GLL flagged invalid changes nothing
            at = 1
        else:
            at = 3 if kind == b"RMC" else 2
        if len(fields) < at + 4:
            continue
        found = (degrees(fields[at], fields[at + 1], 90, (b"N", b"S")), fields[at + 1].decode("latin-1"),
                 degrees(fields[at + 2], fields[at + 3], 180, (b"E", b"W")), fields[at + 3].decode("latin-1"))
    return found


def check_all_talkers(tool, path):
    run = subprocess.run([tool, "--talkers", "all", path], capture_output=True)
    if run.returncode != 0 or run.stderr:
        return ["%s (all talkers): exit %d, %r" % (path, run.returncode, run.stderr[:300])]
    state = json.loads(run.stdout)["state"]
    with open(path, "rb") as f:
        lines = file_lines(f.read())
    failures = []
    want = last_position(lines)
    if want is not None:
        got = (state["Latitude"], state["LatDir"].strip(), state["Longitude"], state["LonDir"].strip())
        if abs(got[0] - want[0]) > 1e-4 or abs(got[2] - want[2]) > 1e-4 or got[1] != want[1] or got[3] != want[3]:
            failures.append("%s (all talkers): position %r, the last position sentence says %r" % (path, got, want))
    ids = [s["id"] for s in state["satellites"]]
    today = any(l.startswith(b"$GN") for l in lines) and any(re.match(rb"^\$..GSV,", l) for l in lines)
    if len(set(ids)) != len(ids) or len(ids) > 64 or (today and len(ids) < 10):
        failures.append("%s (all talkers): satellites %r" % (path, ids))
    return failures


def main():
    tool, logs = sys.argv[1], sys.argv[2:]
    failures = []
    for path in logs:
        failures += check(tool, path, serial=False)
        failures += check(tool, path, serial=True)
        failures += check_all_talkers(tool, path)
    for failure in failures:
        print(failure)
    print("%d logs replayed, %d failures" % (len(logs), len(failures)))
    return 1 if failures or not logs else 0


if __name__ == "__main__":
    sys.exit(main())
