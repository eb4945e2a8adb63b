#!/usr/bin/env python3
"""The lockstep baseline: the same commands as the client's, sent by Python's
poplib, each waiting for its reply.
  scan (the default): USER, PASS, STAT, then LIST n and TOP n 1 for every
          message, then QUIT.
  delete: a scan (not timed), then on a new connection UIDL n, LIST n, TOP n 1
          for every second message (the first, the third, ...) and DELE n once
          its header block matches the scan's, then QUIT (timed).
Usage: poplib_scan.py HOST PORT USER [scan|delete] (password from
QUILL_BENCH_PASSWORD)."""
import os
import poplib
import resource
import sys
import time


def headers(lines):
    cut = lines.index(b"") if b"" in lines else len(lines)
    return lines[:cut]


def session(host, port, user):
    pop = poplib.POP3(host, port)
    pop.user(user)
    pop.pass_(os.environ["QUILL_BENCH_PASSWORD"])
    return pop


def scan(host, port, user):
    pop = session(host, port, user)
    count, _ = pop.stat()
    listed = []
    for n in range(1, count + 1):
        size = int(pop.list(n).split()[2])
        _, lines, _ = pop.top(n, 1)
        listed.append((size, headers(lines)))
    pop.quit()
    return listed


def delete(host, port, user, listed):
    pop = session(host, port, user)
    pop.stat()
    marked = range(1, len(listed) + 1, 2)
    for n in marked:
        pop.uidl(n)
        pop.list(n)
        _, lines, _ = pop.top(n, 1)
        if headers(lines) != listed[n - 1][1]:
            raise SystemExit(f"poplib_scan: message {n} changed")
        pop.dele(n)
    pop.quit()
    return len(marked)


def main():
    host, port, user = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    mode = sys.argv[4] if len(sys.argv) > 4 else "scan"
    if mode == "delete":
        listed = scan(host, port, user)
    cpu0 = time.process_time()
    t0 = time.perf_counter()
    done = len(scan(host, port, user)) if mode == "scan" else delete(host, port, user, listed)
    seconds = time.perf_counter() - t0
    print(f"messages={done}")
    print(f"seconds={seconds:.3f}")
    print(f"cpu={time.process_time() - cpu0:.3f}")
    print(f"peak_kb={resource.getrusage(resource.RUSAGE_SELF).ru_maxrss}")


if __name__ == "__main__":
    main()
