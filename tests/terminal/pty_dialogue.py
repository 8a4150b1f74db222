#!/usr/bin/env python3
"""The program at a terminal: each screen is shown before the program waits for the next answer, and the
console encoding follows the terminal's locale or the --utf8 / --sjis option.

    python3 tests/terminal/pty_dialogue.py build/solarlon

Each step sends an answer only after the screen it answers has been read from the pseudo-terminal, so a
screen that is written but not flushed before a read makes the step time out.
"""
import os
import pty
import select
import subprocess
import sys
import tempfile
import time

TIMEOUT = float(os.environ.get("PTY_TIMEOUT", "10"))


def expect(fd, buf, want, what):
    """Reads the terminal until WANT has appeared after position buf[1]; fails after TIMEOUT."""
    end = time.monotonic() + TIMEOUT
    while True:
        at = buf[0].find(want, buf[1])
        if at >= 0:
            buf[1] = at + len(want)
            return
        left = end - time.monotonic()
        if left <= 0:
            raise AssertionError("not on screen before the next answer: %s\nscreen so far: %r" % (what, buf[0]))
        ready, _, _ = select.select([fd], [], [], left)
        if ready:
            try:
                chunk = os.read(fd, 4096)
            except OSError:
                chunk = b""
            if not chunk:
                raise AssertionError("program ended before showing: %s\nscreen: %r" % (what, buf[0]))
            buf[0] += chunk


def session(exe, args, env_locale, steps, cwd):
    """Runs EXE in a pseudo-terminal; STEPS is a list of (screen bytes to wait for, answer to send)."""
    master, slave = pty.openpty()
    env = dict(os.environ)
    for k in ("LANG", "LC_ALL", "LC_CTYPE"):
        env.pop(k, None)
    env["LC_ALL"] = env_locale
    proc = subprocess.Popen([exe] + args, stdin=slave, stdout=slave, stderr=slave, env=env, cwd=cwd,
                            close_fds=True)
    os.close(slave)
    buf = [b"", 0]
    try:
        for want, answer, what in steps:
            expect(master, buf, want, what)
            if answer is not None:
                os.write(master, answer)
        status = proc.wait(timeout=TIMEOUT)
    finally:
        if proc.poll() is None:
            proc.kill()
        os.close(master)
    return status, buf[0]


def piped(exe, args, env_locale, data, cwd):
    """Runs EXE with standard input and output on pipes and standard error on a pseudo-terminal; gives
    the exit status, standard output and what the terminal showed."""
    master, slave = pty.openpty()
    env = dict(os.environ)
    for k in ("LANG", "LC_ALL", "LC_CTYPE"):
        env.pop(k, None)
    env["LC_ALL"] = env_locale
    proc = subprocess.Popen([exe] + args, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=slave, env=env,
                            cwd=cwd, close_fds=True)
    os.close(slave)
    try:
        out, _ = proc.communicate(data, timeout=TIMEOUT)
        screen = b""
        while select.select([master], [], [], 0.2)[0]:
            try:
                chunk = os.read(master, 4096)
            except OSError:
                break
            if not chunk:
                break
            screen += chunk
    finally:
        if proc.poll() is None:
            proc.kill()
        os.close(master)
    return proc.returncode, out, screen


def main():
    exe = os.path.abspath(sys.argv[1])
    failures = 0
    passed = 0

    def mode1(enc):
        t = lambda s: s.encode(enc)
        return [
            (t("-" * 52), b"1\n", "menu, before its answer"),
            (t(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"0\n", "equinox prompt"),
            (t("瞬時分点"), None, "equinox of date"),
            (t(" (JST) 年,月,日,時,分,秒 :"), b"1978 6 10 21 20 00\n", "mode-1 prompt"),
            (t(" 太陽黄経 =  79.26941"), None, "mode-1 result"),
            (t(" (JST) 年,月,日,時,分,秒 :"), b"\n", "the next mode-1 prompt"),
        ]

    u = lambda s: s.encode("utf-8")
    explain = [
        (u("?  説明"), None, "menu"),
        (u("-" * 52), b"?\n", "menu, before its answer"),
        (u(" Enterで続き :"), b"\n", "explanation screen and its prompt"),
        (u("?  説明"), None, "menu again"),
        (u("-" * 52), b"\n", "menu again, before its answer"),
    ]
    file_mode = [
        (u("-" * 52), b"5\n", "menu"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"2000\n", "equinox prompt"),
        (u(" 太陽黄経ファイル名 :"), b"LON.TXT\n", "file-name prompt"),
        (u("LON.THJ: 2 行"), None, "closing word of the file mode"),
    ]
    dates_mode = [
        (u("-" * 52), b"2\n", "menu"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"2000\n", "equinox prompt"),
        (u(" 年月日(UT)ファイル名 :"), b"ISO.TXT\n", "file-name prompt"),
        (u("ISO.SLG: 3 行 (黄経 1 行)"), None, "closing word: lines written, and those given a longitude"),
    ]
    # A control byte in the name reaches the terminal as text, so it cannot retitle it.
    control_name = [
        (u("-" * 52), b"5\n", "menu"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"2000\n", "equinox prompt"),
        (u(" 太陽黄経ファイル名 :"), b"E\x1b]0;X\x07.TXT\n", "file-name prompt"),
        (u("E\\x1B]0;X\\x07.THJ: 1 行"), None, "closing word with the name escaped"),
    ]
    # A C1 control (CSI) and a byte that is no UTF-8 reach a UTF-8 terminal as text too.
    c1_name = [
        (u("-" * 52), b"5\n", "menu"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"\xc2\x9b2J\xff\n", "equinox prompt"),
        (u(" 数値として読めません: \\xC2\\x9B2J\\xFF"), None, "notice with the answer escaped"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"2000\n", "equinox prompt again"),
        (u(" 太陽黄経ファイル名 :"), b"E\xc2\x9b2J.TXT\n", "file-name prompt"),
        (u("E\\xC2\\x9B2J.THJ: 1 行"), None, "closing word with the C1 control escaped"),
    ]
    no_mode = [
        (u("-" * 52), b"x\x1b[A\n", "menu, before its answer"),
        (u(" メニューにない答えです: x\\x1B[A"), None, "notice naming the answer, its Escape shown as text"),
        (u("?  説明"), None, "menu again"),
        (u("-" * 52), b"3\n", "menu again, before its answer"),
        (u(" 分点 (1950 or 2000 or etc. or 0:瞬時) :"), b"0\n", "equinox prompt"),
        (u(" 年,太陽黄経 :"), b"1978 79.26941\n", "mode-3 prompt"),
        (u(" (JST) 年,月,日,時,分,秒 = 1978  6 10 21 20  0"), None, "mode-3 result"),
        (u(" 年,太陽黄経 :"), b"\n", "the next mode-3 prompt"),
    ]
    cases = [
        ("UTF-8 locale: UTF-8 screens", [], "C.UTF-8", mode1("utf-8")),
        ("UTF-8 locale, --sjis: Shift-JIS screens", ["--sjis"], "C.UTF-8", mode1("cp932")),
        ("C locale: Shift-JIS screens", [], "C", mode1("cp932")),
        ("C locale, --utf8: UTF-8 screens", ["--utf8"], "C", mode1("utf-8")),
        ("explanation screen, then the menu", [], "C.UTF-8", explain),
        ("file mode: its closing word on the terminal", [], "C.UTF-8", file_mode),
        ("dates file: both counts in the closing word", [], "C.UTF-8", dates_mode),
        ("a control byte in the name: escaped in the closing word", [], "C.UTF-8", control_name),
        ("a C1 control and a byte of no character: escaped", [], "C.UTF-8", c1_name),
        ("terms at a UTF-8 terminal", ["terms", "2027", "--theory", "classic"], "C.UTF-8",
         [(u("小寒  285°  2027-01-05 23:06:41 +09:00\r"), None, "the first term"),
          (u("冬至  270°  2027-12-22 11:40:06 +09:00\r"), None, "the last term")]),
        ("when at a Shift-JIS terminal", ["when", "1978", "79.26941", "--theory", "classic"], "C",
         [("79.26941°  1978-06-10 21:20:00 +09:00\r".encode("cp932"), None, "the instant")]),
        ("a menu answer that names no mode: the notice, then the menu", [], "C.UTF-8", no_mode),
    ]
    # The default theory, apparent, where the build has it (ERFA): its first line names it.
    if subprocess.run([exe, "terms", "2027", "--format", "csv"], stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL).returncode == 0:
        cases.append(("terms by the apparent theory at a Shift-JIS terminal", ["terms", "2027"], "C",
                      [("視黄経（theory apparent: ".encode("cp932"), None, "the theory's line"),
                       ("小寒  285°  2027-01-05 23:09:58 +09:00\r".encode("cp932"), None, "the first term")]))
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "LON.TXT"), "wb") as f:
            f.write(b"0\r\n90\r\n")
        for control in (b"E\x1b]0;X\x07.TXT", b"E\xc2\x9b2J.TXT"):
            with open(os.path.join(work.encode(), control), "wb") as f:
                f.write(b"0\r\n")
        with open(os.path.join(work, "ISO.TXT"), "wb") as f:
            f.write(b"2027-01-01 12:00\r\n531010.21\r\n2027-01-02 12:00\r\n")
        for name, args, loc, steps in cases:
            try:
                status, screen = session(exe, args, loc, steps, work)
                if status != 0:
                    raise AssertionError("exit status %d\nscreen: %r" % (status, screen))
                passed += 1
                print("ok   " + name)
            except AssertionError as e:
                failures += 1
                print("FAIL " + name + ": " + str(e))
        # A piped dialogue stays Shift-JIS byte for byte; the closing word on the terminal follows the
        # locale.
        name = "piped file mode on a UTF-8 locale: Shift-JIS dialogue, UTF-8 closing word"
        status, out, screen = piped(exe, [], "C.UTF-8", b"5\n2000\nLON.TXT\n", work)
        if status == 0 and out.startswith("-".encode() * 36) and "太陽黄経ファイル名".encode("cp932") in out \
                and "LON.THJ: 2 行".encode("utf-8") in screen:
            passed += 1
            print("ok   " + name)
        else:
            failures += 1
            print("FAIL %s: status %s, output %r, terminal %r" % (name, status, out, screen))
    print("%d passed, %d failed" % (passed, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
