#!/usr/bin/env python3
"""Runs the program with --format ics for terms, kou and zassetsu of 2026 and holidays of 2027 and reads
each file with a real calendar parser (Python's icalendar): one VCALENDAR, the events all-day on the days
the csv output gives, unique UIDs that a second run repeats, every line at most 75 octets and ended with CR LF.
Exits 77 (skipped) where the module is not installed."""
import os
import subprocess
import sys

try:
    import icalendar
except ImportError:
    # Debian's python3-icalendar is the system interpreter's, which another python3 first on PATH lacks.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("python3-icalendar is not installed: skipped")
    sys.exit(77)

exe = sys.argv[1]
failures = []
for command, year, count in (("terms", "2026", 24), ("kou", "2026", 72), ("zassetsu", "2026", None),
                             ("holidays", "2027", 17)):
    raw = subprocess.run([exe, command, year, "--format", "ics"], check=True, capture_output=True).stdout
    again = subprocess.run([exe, command, year, "--format", "ics"], check=True, capture_output=True).stdout
    csv = subprocess.run([exe, command, year, "--format", "csv"], check=True, capture_output=True).stdout
    lines = raw.split(b"\r\n")
    if lines[-1] != b"" or any(b"\n" in l or b"\r" in l for l in lines[:-1]):
        failures.append("%s: a line does not end with CR LF" % command)
    if any(len(l) > 75 for l in lines):
        failures.append("%s: a line longer than 75 octets" % command)
    cal = icalendar.Calendar.from_ical(raw.decode("utf-8"))
    if str(cal.get("VERSION")) != "2.0" or not cal.get("PRODID"):
        failures.append("%s: VERSION or PRODID missing" % command)
    events = list(cal.walk("VEVENT"))
    uids = [str(e.get("UID")) for e in events]
    uids_again = [str(e.get("UID")) for e in icalendar.Calendar.from_ical(again.decode("utf-8")).walk("VEVENT")]
    head, *rows = csv.decode("utf-8").splitlines()
    column = head.split(",").index("date" if command in ("zassetsu", "holidays") else "instant")
    if count is not None and len(events) != count:
        failures.append("%s: %d events, not %d" % (command, len(events), count))
    if len(set(uids)) != len(uids) or uids != uids_again:
        failures.append("%s: UIDs not unique, or not the same on a second run" % command)
    for e, row in zip(events, rows):
        start, end = e.decoded("DTSTART"), e.decoded("DTEND")
        if hasattr(start, "hour") or (end - start).days != 1:
            failures.append("%s: %s is not an all-day event" % (command, e.get("UID")))
        # The event's day is the instant's day (terms, kou) or the day given (zassetsu, holidays).
        day = row.split(",")[column][:10]
        if start.isoformat() != day:
            failures.append("%s: %s on %s, the csv says %s" % (command, e.get("UID"), start, day))
    if len(rows) != len(events) or not str(events[0].get("SUMMARY")).startswith(
            rows[0].split(",")[2 if command == "kou" else 0]):
        failures.append("%s: the events are not the csv rows" % command)
for f in failures:
    print("FAIL " + f)
print("ok" if not failures else "%d failures" % len(failures))
sys.exit(1 if failures else 0)
