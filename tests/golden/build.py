#!/usr/bin/env python3
"""Writes each tests/golden/*.utf8 as *.sjis: the same text in Shift-JIS (CP932), every LF as CR LF.
The .utf8 files are the readable originals; run this after editing one:  python3 tests/golden/build.py
With --check it writes nothing: it fails, naming each .sjis file that is not the conversion of its .utf8
file (or has none), when any is not.
"""
import pathlib
import sys


def sjis_of(src):
    return src.read_text(encoding="utf-8").replace("\n", "\r\n").encode("cp932")


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    if argv not in ([], ["--check"]):
        print("usage: python3 tests/golden/build.py [--check]", file=sys.stderr)
        return 2
    sources = sorted(here.glob("*.utf8"))
    if argv == ["--check"]:
        drifted = []
        for src in sources:
            out = src.with_suffix(".sjis")
            if not out.is_file() or out.read_bytes() != sjis_of(src):
                drifted.append("tests/golden/%s is not %s in Shift-JIS" % (out.name, src.name))
        for out in sorted(here.glob("*.sjis")):
            if not out.with_suffix(".utf8").is_file():
                drifted.append("tests/golden/%s has no .utf8 file" % out.name)
        for line in drifted:
            print(line + ": run python3 tests/golden/build.py")
        if not drifted:
            print("ok: every tests/golden/*.sjis is its .utf8 file in Shift-JIS")
        return 1 if drifted else 0
    for src in sources:
        src.with_suffix(".sjis").write_bytes(sjis_of(src))
        print(src.with_suffix(".sjis").name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
