#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The printed month pages as a user gets them from tempulo-report --pdf.

  check_pdf_pages.py TEMPULO_REPORT [--from 1583] [--to 2500] [--stride N]

For every N-th year of the range the twelve month pages are written as one
PDF (a different region, paper and orientation each year, every third year
with a second calendar), and checked: qpdf --check finds the file valid, the
fonts are embedded, the text pdftotext reads holds every day number of each
month exactly once (the large numbers of the cells) and every holiday of the
month's list for the region. Also: nothing on stdout, and an unwritable path
is refused in German with a non-zero status and no file.
Exit status 0 when everything holds, 1 otherwise.
"""
import argparse
import calendar
import html
import os
import re
import subprocess
import sys
import tempfile

REGIONS = ["alle", "BW", "BY", "BE", "BB", "HB", "HH", "HE", "MV", "NI", "NW", "RP", "SL", "SN", "ST", "SH",
           "TH", "AT", "CH"]
PAPERS = [("a4", "landscape"), ("a4", "portrait"), ("letter", "landscape"), ("letter", "portrait")]
SECOND = ["jewish", "islamic", "chinese", "coptic_ethiopian", "iranian"]
# Day numbers are set in 16 points (at least 7); every other number in a
# cell in 8 points or less. pdftotext's word boxes are a little taller.
DAY_NUMBER_HEIGHT = 10.5
WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>')


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def normalized(text):
    return " ".join(text.split())


def check_year(report, folder, year, faults):
    region = REGIONS[year % len(REGIONS)]
    paper, orientation = PAPERS[year % len(PAPERS)]
    path = os.path.join(folder, f"{year}.pdf")
    command = [report, "--pdf", path, "--year", str(year), "--pages", "months", "--region", region,
               "--paper", paper, "--orientation", orientation]
    if year % 3 == 0:
        command += ["--second-calendar", SECOND[(year // 3) % len(SECOND)]]
    written = run(command)
    where = f"{year} ({region}, {paper}, {orientation})"
    if written.returncode != 0 or written.stdout:
        faults.append(f"{where}: status {written.returncode}, stdout {written.stdout!r}, {written.stderr.strip()}")
        return
    checked = run(["qpdf", "--check", path])
    if checked.returncode != 0:
        faults.append(f"{where}: qpdf --check: {checked.stdout.strip()} {checked.stderr.strip()}")

    boxes = run(["pdftotext", "-bbox", path, "-"]).stdout.split("<page ")[1:]
    texts = run(["pdftotext", "-raw", path, "-"]).stdout.split("\f")
    if len(boxes) != 12 or len(texts) < 12:
        faults.append(f"{where}: {len(boxes)} pages instead of 12")
        return
    holidays = {}
    listed = run([report, "--holidays", "--year", str(year), "--region", region]).stdout
    for line in listed.splitlines():
        date, name = line.split("\t", 1)
        holidays.setdefault(int(date[5:7]), []).append(name)
    for month in range(1, 13):
        days = []
        for x_min, y_min, x_max, y_max, word in WORD.findall(boxes[month - 1]):
            word = html.unescape(word)
            # The title's year is as large, but never a day number.
            if word.isdigit() and int(word) <= 31 and float(y_max) - float(y_min) >= DAY_NUMBER_HEIGHT:
                days.append(int(word))
        expected = list(range(1, calendar.monthrange(year, month)[1] + 1))
        if sorted(days) != expected:
            faults.append(f"{where} month {month}: day numbers {sorted(days)}")
        text = normalized(texts[month - 1])
        for name in holidays.get(month, []):
            if normalized(name) not in text:
                faults.append(f"{where} month {month}: holiday {name!r} missing from the text")


def check_refusal(report, folder, faults):
    target = os.path.join(folder, "fehlt", "kalender.pdf")
    refused = run([report, "--pdf", target, "--month", "2026-05"])
    if refused.returncode == 0 or refused.stdout or "lässt sich nicht schreiben" not in refused.stderr:
        faults.append(f"unwritable path: status {refused.returncode}, stdout {refused.stdout!r}, "
                      f"stderr {refused.stderr!r}")
    if os.path.exists(target):
        faults.append("unwritable path: a file was left behind")
    bad = run([report, "--pdf", os.path.join(folder, "x.pdf"), "--paper", "a5"])
    if bad.returncode != 2 or bad.stdout or os.path.exists(os.path.join(folder, "x.pdf")):
        faults.append(f"malformed call: status {bad.returncode}, stdout {bad.stdout!r}")


def check_fonts(report, folder, faults):
    path = os.path.join(folder, "fonts.pdf")
    run([report, "--pdf", path, "--month", "2026-05"])
    lines = run(["pdffonts", path]).stdout.splitlines()[2:]
    if not lines:
        faults.append("no fonts in the PDF: the text is not text")
    for line in lines:
        # name type encoding emb sub uni ...: every font embedded.
        if line.split()[-5] != "yes":
            faults.append(f"font not embedded: {line}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("report")
    parser.add_argument("--from", dest="first", type=int, default=1583)
    parser.add_argument("--to", dest="last", type=int, default=2500)
    parser.add_argument("--stride", type=int, default=1)
    args = parser.parse_args()
    faults = []
    years = list(range(args.first, args.last + 1, args.stride))
    if args.last not in years:
        years.append(args.last)
    with tempfile.TemporaryDirectory() as folder:
        check_refusal(args.report, folder, faults)
        check_fonts(args.report, folder, faults)
        for year in years:
            check_year(args.report, folder, year, faults)
            os.remove(os.path.join(folder, f"{year}.pdf")) if os.path.exists(
                os.path.join(folder, f"{year}.pdf")) else None
    for fault in faults[:200]:
        print(fault)
    print(f"{len(years)} Jahre, {len(years) * 12} Monatsseiten geprüft, {len(faults)} Fehler")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
