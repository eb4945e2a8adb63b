#!/usr/bin/env python3
"""The baseline: the same commands as the client's scan, sent by Python's poplib.
USER, PASS, STAT, then LIST n and TOP n 1 for every message, then QUIT.
Usage: poplib_scan.py HOST PORT USER (password from QUILL_BENCH_PASSWORD)."""
import os
import poplib
import resource
import sys
import time


def main():
    host, port, user = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    cpu0 = time.process_time()
    t0 = time.perf_counter()
    pop = poplib.POP3(host, port)
    pop.user(user)
    pop.pass_(os.environ["QUILL_BENCH_PASSWORD"])
    count, _ = pop.stat()
    headers = []
    for n in range(1, count + 1):
        size = int(pop.list(n).split()[2])
        _, lines, _ = pop.top(n, 1)
        cut = lines.index(b"") if b"" in lines else len(lines)
        headers.append((size, lines[:cut]))
    pop.quit()
    seconds = time.perf_counter() - t0
    print(f"messages={len(headers)}")
    print(f"seconds={seconds:.3f}")
    print(f"cpu={time.process_time() - cpu0:.3f}")
    print(f"peak_kb={resource.getrusage(resource.RUSAGE_SELF).ru_maxrss}")


if __name__ == "__main__":
    main()
