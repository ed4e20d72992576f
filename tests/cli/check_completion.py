#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The bash completion of tempulo-report in a real interactive bash on a
pseudo-terminal: keys are typed as a user types them (TAB, and M-* which
inserts every completion), then the line is turned into a printf command
whose output shows each word of the completed line.

    check_completion.py COMPLETION-SCRIPT FOLDER-OF-TEMPULO-REPORT
"""
import os
import pty
import re
import select
import sys
import time

script, folder = sys.argv[1], sys.argv[2]
TAB, INSERT_ALL, HOME_KEY = "\t", "\x1b*", "\x01"

# Typed keys, and the words of the line after completion. "\t" completes,
# "\x1b*" inserts all completions; what follows is typed on after it.
CASES = [
    # The zone table's header is no zone; a zone name completes with a space.
    ("tempulo-report --tz T" + INSERT_ALL, ["--tz", "T"]),
    ("tempulo-report --tz Europe/Berl" + TAB + "X", ["--tz", "Europe/Berlin", "X"]),
    ("tempulo-report --tz ME" + TAB, ["--tz", "MEZ"]),
    # A calendar's name goes on with its date, without a space.
    ("tempulo-report --from jew" + TAB + "5787-9-28", ["--from", "jewish:5787-9-28"]),
    ("tempulo-report --to isl" + TAB + "1448-7-1", ["--to", "islamic:1448-7-1"]),
    ("tempulo-report --from=jew" + TAB + "5787-9-28", ["--from=jewish:5787-9-28"]),
    ("tempulo-report --from jewish:" + INSERT_ALL, ["--from", "jewish:"]),
    ("tempulo-report --from he" + TAB, ["--from", "help"]),
    # --format=: the formats, not the options (readline sorts what it inserts).
    ("tempulo-report --format=" + INSERT_ALL, ["--format=json", "text", "tsv"]),
    ("tempulo-report --format=j" + TAB, ["--format=json"]),
    ("tempulo-report --format t" + INSERT_ALL, ["--format", "text", "tsv"]),
    # Places, with spaces in their names.
    ("tempulo-report --place Berl" + TAB, ["--place", "Berlin"]),
    ("tempulo-report --place Frankfurt" + TAB, ["--place", "Frankfurt am Main"]),
    ("tempulo-report --place Bergisch\\ G" + TAB, ["--place", "Bergisch Gladbach"]),
    ("tempulo-report --place Zür" + TAB, ["--place", "Zürich"]),
    ("tempulo-report --place 'Frankfurt a" + TAB, ["--place", "Frankfurt am Main"]),
    # Options: those not given yet; none after "--".
    ("tempulo-report --reg" + TAB, ["--region"]),
    ("tempulo-report --ics --ic" + INSERT_ALL, ["--ics", "--ic"]),
    ("tempulo-report -- --da" + INSERT_ALL, ["--", "--da"]),
    ("tempulo-report --region B" + INSERT_ALL, ["--region", "BB", "BE", "BW", "BY"]),
]


def read_until(fd, marker, limit_s=20):
    data = b""
    deadline = time.monotonic() + limit_s
    while marker not in data and time.monotonic() < deadline:
        ready, _, _ = select.select([fd], [], [], 0.2)
        if ready:
            try:
                chunk = os.read(fd, 65536)
            except OSError:
                break
            if not chunk:
                break
            data += chunk
    return data


def completed_words(keys):
    pid, fd = pty.fork()
    if pid == 0:
        env = {"PATH": folder + ":/usr/bin:/bin", "HOME": "/tmp", "TERM": "dumb", "LC_ALL": "C.UTF-8",
               "PS1": "$ ", "INPUTRC": "/dev/null"}
        os.execve("/bin/bash", ["bash", "--norc", "--noprofile", "-i"], env)
    setup = (f"source '{script}'\n"
             "bind 'set bell-style none'\n"
             "bind 'set completion-query-items 0'\n"
             "bind '\"\\e*\": insert-completions'\n"
             "echo READY-FOR-KEYS\n")
    os.write(fd, setup.encode())
    read_until(fd, b"READY-FOR-KEYS\r\n")
    # Complete, then put "printf 'W<%s>\n' " before the line and run it.
    os.write(fd, keys.encode())
    time.sleep(0.5)
    os.write(fd, (HOME_KEY + "printf 'W<%s>\\n' " + "\n").encode())
    os.write(fd, b"echo END-OF-\"\"CASE; exit\n")
    output = read_until(fd, b"END-OF-CASE\r\n")
    os.close(fd)
    os.waitpid(pid, 0)
    words = re.findall(rb"^W<(.*)>\r?$", output, re.M)
    return [w.decode("utf-8", "replace") for w in words]


failures = []
for keys, expected in CASES:
    words = completed_words(keys)
    if words[1:] != expected:
        failures.append(f"{keys!r}: {words[1:]} statt {expected}")
for failure in failures:
    print(failure)
print(f"{len(CASES)} Vervollständigungen geprüft, {len(failures)} Fehler")
sys.exit(1 if failures else 0)
