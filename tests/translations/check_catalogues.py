#!/usr/bin/env python3
"""Fails for every text of the sources that a catalogue does not translate.

usage: check_catalogues.py LUPDATE SOURCES_LIST TS_FILE...

Each catalogue is copied, brought up to date with the sources by lupdate (as
`update_translations` would), and read back: a message that is new, unfinished
or empty (in any of its plural forms) is listed, and the check fails.
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def gaps(ts_path):
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            tr = message.find("translation")
            kind = tr.get("type") if tr is not None else "missing"
            if tr is None or kind in ("unfinished", "vanished", "obsolete"):
                yield name, source, kind or "missing"
                continue
            forms = tr.findall("numerusform")
            texts = [f.text for f in forms] if forms else [tr.text]
            if message.get("numerus") == "yes" and not forms:
                yield name, source, "no plural forms"
            elif any(not (t or "").strip() for t in texts):
                yield name, source, "empty"


def main():
    lupdate, sources, *catalogues = sys.argv[1:]
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for ts in catalogues:
            copy = Path(tmp) / Path(ts).name
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            "@" + sources, "-ts", str(copy)], check=True)
            for context, source, kind in gaps(copy):
                print(f"{Path(ts).name}: {kind}: [{context}] {source!r}")
                failed += 1
    if failed:
        print(f"{failed} text(s) without a translation")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
