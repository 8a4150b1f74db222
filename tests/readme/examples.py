#!/usr/bin/env python3
"""Runs every `$ solarlon ...` example of the README and compares what it prints with the lines shown.

An example is a line of a fenced block that begins with "$ solarlon"; the lines after it, up to the
next such line or the end of the block, are what the command writes (standard output, then standard
error, line ends aside), in UTF-8. A line "..." stands for any number of lines. Exit status 0 when each
agrees, 1 naming each that does not, 77 (skipped) in a build without the apparent theory, which most
examples use.
Usage: examples.py SOLARLON README.md
"""
import os
import shlex
import subprocess
import sys


def examples(readme):
    """(line number, command words, expected lines) of each example."""
    found, block, current = [], False, None
    for number, line in enumerate(open(readme, encoding="utf-8").read().split("\n"), 1):
        if line.startswith("```"):
            if current:
                found.append(current)
            block, current = not block, None
        elif block and line.startswith("$ solarlon"):
            if current:
                found.append(current)
            current = (number, shlex.split(line[2:]), [])
        elif block and current:
            current[2].append(line)
    return found


def agrees(got, want):
    """Whether the lines GOT are WANT, where a line "..." of WANT stands for any lines."""
    if not want:
        return not got
    if want[0] == "...":
        return any(agrees(got[k:], want[1:]) for k in range(len(got) + 1))
    return bool(got) and got[0] == want[0] and agrees(got[1:], want[1:])


def main():
    exe, readme = os.path.abspath(sys.argv[1]), sys.argv[2]
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    env.pop("SOURCE_DATE_EPOCH", None)
    probe = subprocess.run([exe, "terms", "2027", "--format", "csv"], capture_output=True, env=env)
    if probe.returncode != 0:
        print("skipped: this build has no apparent theory (built without ERFA)")
        return 77
    passed = failed = 0
    for number, words, want in examples(readme):
        r = subprocess.run([exe] + words[1:], capture_output=True, env=env)
        got = (r.stdout + r.stderr).decode("utf-8", "replace").replace("\r\n", "\n").split("\n")
        if got and got[-1] == "":
            got.pop()
        if agrees(got, want):
            passed += 1
        else:
            failed += 1
            print("README.md:%d: %s\n  shown:\n    %s\n  printed:\n    %s" % (
                number, " ".join(words), "\n    ".join(want), "\n    ".join(got)))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
