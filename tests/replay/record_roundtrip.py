#!/usr/bin/env python3
"""Records logs with trakora-replay --record and replays the recording.

  record_roundtrip.py TOOL WORKDIR INPUT...

For each set of recording groups: the recorded file holds exactly the input
lines that pass their checksum and belong to a recorded group, in order, each
ended by CR LF; every recorded line passes its checksum again; replaying the
recording gives the same final state as the original run. A second run
appends to the same file instead of replacing it.
"""

import json
import os
import subprocess
import sys

from log_lines import file_lines

GROUPS = {  # identifier -> recording group (0 position, 1 waypoint, 2 satellites)
    "$GPRMC": 1, "$GPRMB": 1, "$GPGLL": 0, "$PGRMZ": 0, "$PGRMM": 0, "$GPBOD": 1,
    "$GPRTE": 1, "$GPWPL": 1, "$GPGGA": 0, "$GPGSA": 2, "$GPGSV": 2, "$PGRME": 0,
}


def checksum_ok(line):
    star = line.find(b"*")
    if star < 2:
        return False
    value = 0
    for byte in line[1:star]:
        value ^= byte
    return line[star + 1:star + 3] == b"%02X" % value


def expected_recording(inputs, groups):
    lines = []
    for path in inputs:
        with open(path, "rb") as f:
            for line in file_lines(f.read()):
                ident = line.split(b",")[0].split(b"*")[0].decode("latin-1")
                if checksum_ok(line) and ident in GROUPS and groups[GROUPS[ident]]:
                    lines.append(line)
    return lines


def run(tool, args):
    done = subprocess.run([tool] + args, capture_output=True, check=False)
    if done.returncode != 0 or done.stderr:
        raise SystemExit("%s %s: exit %d, %r" % (tool, args, done.returncode, done.stderr))
    return json.loads(done.stdout)


def main():
    tool, workdir, inputs = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(workdir, exist_ok=True)
    failures = []
    for groups in ((1, 1, 1), (1, 0, 0), (0, 1, 0), (0, 0, 1), (0, 0, 0)):
        text = "%d,%d,%d" % groups
        out = os.path.join(workdir, "recorded-%s.TKL" % text.replace(",", ""))
        if os.path.exists(out):
            os.remove(out)
        original = run(tool, ["--record", out, "--groups", text] + inputs)

        with open(out, "rb") as f:
            data = f.read()
        expected = expected_recording(inputs, groups)
        recorded = data.split(b"\r\n")
        if recorded[-1] != b"":
            failures.append("%s: last line not ended by CR LF" % text)
        recorded = recorded[:-1]
        if any(b"\r" in line or b"\n" in line for line in recorded):
            failures.append("%s: a line ending other than CR LF" % text)
        if recorded != expected:
            failures.append("%s: recorded %d lines, expected %d" % (text, len(recorded), len(expected)))
        if not all(checksum_ok(line) for line in recorded):
            failures.append("%s: a recorded line fails its checksum" % text)
        if original["stats"]["recorded"] != len(expected):
            failures.append("%s: stats say %d recorded" % (text, original["stats"]["recorded"]))

        if groups == (1, 1, 1):
            # Everything decodable was kept, so the replay must end in the same state.
            replayed = run(tool, [out])
            if replayed["state"] != original["state"]:
                diff = [k for k in original["state"] if original["state"][k] != replayed["state"][k]]
                failures.append("replayed recording differs in %s" % diff)
            if replayed["stats"]["decoded"] != original["stats"]["decoded"]:
                failures.append("replayed recording decodes other sentences")
            if replayed["stats"]["bad_checksum"] or replayed["stats"]["no_checksum"]:
                failures.append("replayed recording has lines failing the checksum")
            run(tool, ["--record", out, "--groups", text] + inputs)
            with open(out, "rb") as f:
                if f.read() != data + data:
                    failures.append("a second recording run did not append")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
