#!/usr/bin/env python3
"""The IMAP baseline: Python's imaplib sends the same single UID FETCH as the
client's listing, each command waiting for its reply.
  scan (the default): LOGIN, SELECT INBOX, UID FETCH 1:* (UID RFC822.SIZE
          BODY.PEEK[HEADER]), LOGOUT.
  move: a scan (not timed), then on a new connection LOGIN, SELECT INBOX and
          one UID MOVE of every second message into Junk, LOGOUT (timed).
Usage: imaplib_scan.py HOST PORT USER [scan|move] (password from
QUILL_BENCH_PASSWORD)."""
import imaplib
import os
import re
import resource
import sys
import time


def session(host, port, user):
    imap = imaplib.IMAP4(host, port)
    imap.login(user, os.environ["QUILL_BENCH_PASSWORD"])
    imap.select("INBOX")
    return imap


def scan(host, port, user):
    imap = session(host, port, user)
    _, data = imap.uid("FETCH", "1:*", "(UID RFC822.SIZE BODY.PEEK[HEADER])")
    uids = [int(re.search(rb"UID (\d+)", item[0]).group(1))
            for item in data if isinstance(item, tuple)]
    imap.logout()
    return uids


def move(host, port, user, uids):
    imap = session(host, port, user)
    marked = uids[::2]
    typ, _ = imap.uid("MOVE", ",".join(str(u) for u in marked), "Junk")
    if typ != "OK":
        raise SystemExit("imaplib_scan: the move was refused")
    imap.logout()
    return len(marked)


def main():
    host, port, user = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    mode = sys.argv[4] if len(sys.argv) > 4 else "scan"
    if mode == "move":
        listed = scan(host, port, user)
    cpu0 = time.process_time()
    t0 = time.perf_counter()
    done = len(scan(host, port, user)) if mode == "scan" else move(host, port, user, listed)
    seconds = time.perf_counter() - t0
    print(f"messages={done}")
    print(f"seconds={seconds:.3f}")
    print(f"cpu={time.process_time() - cpu0:.3f}")
    print(f"peak_kb={resource.getrusage(resource.RUSAGE_SELF).ru_maxrss}")


if __name__ == "__main__":
    main()
