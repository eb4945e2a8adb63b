#!/usr/bin/env python3
"""Measures the message decoder against Python's email parser.

Runs `quillmere-cli decode --json` over every file in the given folders and
compares its body with the first text part (text/*, not multipart) that
Python's parser finds in the same file. Not part of the test suite: a tool for
finding the kinds of message the decoder gets wrong; the cases it finds become
small hand-written fixtures in tests/mail/message.

Usage: tests/support/decode_measure.py [--show N] CLI FOLDER...
Prints the figures and up to N files of each kind of difference.
"""
import argparse
import email
import email.policy
import json
import os
import subprocess
import sys
import tempfile


def python_text(raw):
    """The first text part's decoded text, or None when there is none."""
    msg = email.message_from_bytes(raw, policy=email.policy.compat32)
    for part in msg.walk():
        if part.is_multipart() or part.get_content_maintype() != "text":
            continue
        payload = part.get_payload(decode=True) or b""
        charset = part.get_content_charset() or "us-ascii"
        try:
            return payload.decode(charset, errors="replace")
        except LookupError:
            return payload.decode("latin-1")
    return None


def normalized(text):
    """The non-empty lines, without the blanks at their ends."""
    return [line.rstrip() for line in text.replace("\r", "\n").split("\n") if line.strip()]


def decode(cli, path):
    """The decoder's body lines, or an error text."""
    run = subprocess.run([cli, "decode", "--json", path], capture_output=True, timeout=60)
    if run.returncode != 0:
        return None, (run.stderr.decode("utf-8", "replace").strip() or "exit %d" % run.returncode)
    return json.loads(run.stdout.decode("utf-8"))["body"], None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--show", type=int, default=5)
    parser.add_argument("cli")
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()

    files = []
    for folder in args.folders:
        for root, _, names in os.walk(folder):
            # Message files: .eml, .txt, .msg, or no extension at all.
            files += [os.path.join(root, n) for n in sorted(names)
                      if n.endswith((".eml", ".txt", ".msg")) or "." not in n]

    kinds = {"failed": [], "empty": [], "differs": []}
    counts = {"messages": 0, "with text": 0, "non-empty": 0, "equal": 0}
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "msg_0.eml")
        for path in files:
            with open(path, "rb") as f:
                raw = f.read()
            if raw.startswith(b"From "):  # a mailbox file's separator line
                raw = raw.split(b"\n", 1)[1] if b"\n" in raw else b""
            with open(copy, "wb") as f:
                f.write(raw)
            counts["messages"] += 1
            body, error = decode(args.cli, copy)
            if error is not None:
                kinds["failed"].append((path, error))
                continue
            text = python_text(raw)
            if text is None or not text.strip():
                continue
            counts["with text"] += 1
            ours = normalized("\n".join(body))
            if not ours:
                kinds["empty"].append((path, ""))
                continue
            counts["non-empty"] += 1
            if ours == normalized(text):
                counts["equal"] += 1
            else:
                kinds["differs"].append((path, ""))

    print("messages: %d" % counts["messages"])
    print("decoder failed: %d" % len(kinds["failed"]))
    print("with a first text part (Python): %d" % counts["with text"])
    print("  non-empty body (decoder): %d" % counts["non-empty"])
    print("  same text as Python: %d" % counts["equal"])
    for kind, items in kinds.items():
        for path, note in items[: args.show]:
            print("%s: %s %s" % (kind, path, note))
    return 1 if kinds["failed"] or kinds["empty"] else 0


if __name__ == "__main__":
    sys.exit(main())
