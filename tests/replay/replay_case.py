#!/usr/bin/env python3
"""Runs trakora-replay once and checks its exit status, its standard output
against a stored file and its standard error against a pattern.

  replay_case.py TOOL [--exit N] [--expect FILE] [--stdout REGEX] [--stderr REGEX]
                 [--stdin FILE] -- ARGS...

--expect FILE: standard output must equal FILE byte for byte.
--stdout REGEX: standard output must match REGEX.
--stdin FILE: FILE is the tool's standard input (otherwise it is empty).
--stderr REGEX: standard error must be exactly one line matching REGEX; without
it, standard error must be empty.
--stderr-tty REGEX: the same, with standard error on a terminal.
"""

import argparse
import difflib
import os
import pty
import re
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--exit", type=int, default=0)
    parser.add_argument("--expect")
    parser.add_argument("--stdout")
    parser.add_argument("--stderr")
    parser.add_argument("--stdin")
    parser.add_argument("--stderr-tty")
    argv = sys.argv[1:]
    split = argv.index("--") if "--" in argv else len(argv)
    opts = parser.parse_args(argv[:split])
    args = argv[split + 1:]

    stdin = open(opts.stdin, "rb") if opts.stdin else subprocess.DEVNULL
    if opts.stderr_tty:
        master, slave = pty.openpty()
        run = subprocess.run([opts.tool] + args, stdout=subprocess.PIPE, stderr=slave, stdin=stdin)
        os.close(slave)
        run.stderr = os.read(master, 65536).replace(b"\r\n", b"\n")
        os.close(master)
        opts.stderr = opts.stderr_tty
    else:
        run = subprocess.run([opts.tool] + args, capture_output=True, stdin=stdin)
    failures = []
    if run.returncode != opts.exit:
        failures.append("exit status %d, expected %d" % (run.returncode, opts.exit))

    err = run.stderr.decode("utf-8", "replace")
    if opts.stderr is None:
        if err:
            failures.append("unexpected standard error: %r" % err)
    elif err.count("\n") != 1 or not re.search(opts.stderr, err):
        failures.append("standard error %r is not one line matching %r" % (err, opts.stderr))

    if opts.expect is not None:
        with open(opts.expect, "rb") as f:
            expected = f.read()
        if run.stdout != expected:
            diff = difflib.unified_diff(
                expected.decode("ascii", "replace").splitlines(),
                run.stdout.decode("ascii", "replace").splitlines(),
                "expected", "actual", lineterm="", n=0)
            failures.append("output differs from %s:\n%s" % (opts.expect, "\n".join(list(diff)[:40])))
    if opts.stdout is not None and not re.search(opts.stdout, run.stdout.decode("ascii", "replace")):
        failures.append("standard output does not match %r" % opts.stdout)
    if opts.exit == 2 and run.stdout:
        failures.append("output although the input or an option was refused: %r" % run.stdout[:200])

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
