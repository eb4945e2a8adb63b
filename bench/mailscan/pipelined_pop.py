#!/usr/bin/env python3
"""The pipelined baseline: a minimal POP3 client that sends its commands ahead
of the replies (a thread writes, the main thread reads the replies in order).
  scan:   CAPA, USER, PASS, STAT, then LIST n and TOP n 1 for every message, QUIT.
  delete: a scan (not timed), then on a new connection UIDL n, LIST n, TOP n 1
          for every second message (the first, the third, ...), DELE n once
          its header block matches the scan's, QUIT (timed).
Usage: pipelined_pop.py scan|delete HOST PORT USER (password from
QUILL_BENCH_PASSWORD). Prints "key=value" lines."""
import os
import queue
import resource
import socket
import sys
import threading
import time


class Session:
    def __init__(self, host, port, user):
        self.sock = socket.create_connection((host, port))
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.file = self.sock.makefile("rb")
        self.outgoing = queue.Queue()
        threading.Thread(target=self._write, daemon=True).start()
        self.status()
        # Pipelining only where the server offers it.
        self.send([b"CAPA"])
        self.status()
        if b"PIPELINING\r\n" not in self.block():
            raise SystemExit("pipelined_pop: the server does not offer PIPELINING")
        for command in (b"USER " + user.encode(), b"PASS " + os.environ["QUILL_BENCH_PASSWORD"].encode()):
            self.send([command])
            self.status()
        self.send([b"STAT"])
        self.count = int(self.status().split()[1])

    def _write(self):
        while True:
            data = self.outgoing.get()
            if data is None:
                return
            self.sock.sendall(data)

    def send(self, commands):
        self.outgoing.put(b"".join(c + b"\r\n" for c in commands))

    def status(self):
        line = self.file.readline()
        if not line.startswith(b"+OK"):
            raise SystemExit(f"pipelined_pop: {line!r}")
        return line

    def block(self):
        lines = []
        while True:
            line = self.file.readline()
            if line in (b".\r\n", b""):
                return lines
            lines.append(line)

    def quit(self):
        self.send([b"QUIT"])
        self.status()
        self.outgoing.put(None)
        self.sock.close()


def headers(lines):
    cut = lines.index(b"\r\n") if b"\r\n" in lines else len(lines)
    return lines[:cut]


def scan(host, port, user):
    s = Session(host, port, user)
    s.send([c for n in range(1, s.count + 1) for c in (b"LIST %d" % n, b"TOP %d 1" % n)])
    listed = []
    for _ in range(s.count):
        size = int(s.status().split()[2])
        s.status()
        listed.append((size, headers(s.block())))
    s.quit()
    return listed


def delete(host, port, user, listed):
    s = Session(host, port, user)
    marked = range(1, len(listed) + 1, 2)
    s.send([c for n in marked for c in (b"UIDL %d" % n, b"LIST %d" % n, b"TOP %d 1" % n)])
    for n in marked:
        s.status()
        s.status()
        s.status()
        if headers(s.block()) != listed[n - 1][1]:
            raise SystemExit(f"pipelined_pop: message {n} changed")
        s.send([b"DELE %d" % n])
    for _ in marked:
        s.status()
    s.quit()
    return len(marked)


def main():
    mode, host, port, user = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    if mode == "delete":
        listed = scan(host, port, user)
    cpu0 = time.process_time()
    t0 = time.perf_counter()
    done = len(scan(host, port, user)) if mode == "scan" else delete(host, port, user, listed)
    print(f"messages={done}")
    print(f"seconds={time.perf_counter() - t0:.3f}")
    print(f"cpu={time.process_time() - cpu0:.3f}")
    print(f"peak_kb={resource.getrusage(resource.RUSAGE_SELF).ru_maxrss}")


if __name__ == "__main__":
    main()
