#!/usr/bin/env python3
"""Writes each tests/golden/*.utf8 as *.sjis: the same text in Shift-JIS (CP932), every LF as CR LF.
The .utf8 files are the readable originals; run this after editing one:  python3 tests/golden/build.py
"""
import pathlib

here = pathlib.Path(__file__).resolve().parent
for src in sorted(here.glob("*.utf8")):
    text = src.read_text(encoding="utf-8")
    src.with_suffix(".sjis").write_bytes(text.replace("\n", "\r\n").encode("cp932"))
    print(src.with_suffix(".sjis").name)
