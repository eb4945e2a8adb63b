#!/usr/bin/env python3
"""The soak's other client: writes messages straight into the mailboxes of a
private Dovecot and deletes messages at random over POP3, while Quillmere
sweeps the same mailboxes. Every message carries its id in its Message-ID and
its subject. Each delivery and each deletion the server confirmed (QUIT +OK)
is appended to the log as "delivered USER ID" or "deleted USER ID".

  disturber.py populate DIR LOG SEED USER COUNT
  disturber.py run DIR LOG SEED PORT PASSWORD USER...   (until SIGTERM)
"""
import os
import poplib
import pwd
import random
import signal
import sys
import time

WORDS = ["offer", "meeting", "pills", "invoice", "winner", "lunch", "report", "free",
         "urgent", "hello", "notes", "prize", "agenda", "cheap", "family", "loan"]
DOMAINS = ["example.org", "bulk.test", "friends.test", "shop.test", "news.test"]


class Mailboxes:
    def __init__(self, folder, log, seed):
        self.folder = folder
        self.log = open(log, "a", buffering=1)
        self.rng = random.Random(seed)
        entry = pwd.getpwnam("dovecot")
        self.uid, self.gid = entry.pw_uid, entry.pw_gid
        self.counter = 0
        self.tag = "%d-%d" % (os.getpid(), seed)

    def message(self, user, mid):
        rng = self.rng
        subject = " ".join(rng.choice(WORDS) for _ in range(3))
        local = rng.choice(["ann", "bob", "sales", "info", "x" + str(rng.randint(1, 99))])
        body = "".join(rng.choice("abcdefgh ") for _ in range(rng.randint(10, 3000)))
        return ("From: Sender <%s@%s>\nTo: %s@soak.test\nSubject: %s [%s]\n"
                "Message-ID: <%s@soak.test>\nDate: Mon, 5 Feb 2024 10:00:00 +0100\n\n%s\n"
                % (local, rng.choice(DOMAINS), user, subject, mid, mid, body)).encode()

    def deliver(self, user):
        self.counter += 1
        mid = "m%s-%d" % (self.tag, self.counter)
        maildir = os.path.join(self.folder, "mail", user, "Maildir")
        name = "%.6f.%s.soak" % (time.time(), mid)
        tmp = os.path.join(maildir, "tmp", name)
        with open(tmp, "wb") as f:
            f.write(self.message(user, mid))
        os.chown(tmp, self.uid, self.gid)
        os.rename(tmp, os.path.join(maildir, "new", name))
        self.log.write("delivered %s %s\n" % (user, mid))

    def delete(self, port, password, user):
        pop = poplib.POP3("127.0.0.1", port, timeout=30)
        try:
            pop.user(user)
            pop.pass_(password)
            count, _ = pop.stat()
            ids = []
            for n in self.rng.sample(range(1, count + 1), min(count, 1)):
                _, lines, _ = pop.top(n, 0)
                for line in lines:
                    if line.lower().startswith(b"message-id: <"):
                        ids.append(line[13:line.index(b"@")].decode())
                pop.dele(n)
            if pop.quit().startswith(b"+OK"):
                for mid in ids:
                    self.log.write("deleted %s %s\n" % (user, mid))
        except (poplib.error_proto, OSError):
            pass  # nothing was confirmed: nothing is logged


def main():
    mode, folder, log, seed = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    boxes = Mailboxes(folder, log, seed)
    if mode == "populate":
        for _ in range(int(sys.argv[6])):
            boxes.deliver(sys.argv[5])
        return
    port, password, users = int(sys.argv[5]), sys.argv[6], sys.argv[7:]
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    while not stop:
        time.sleep(boxes.rng.uniform(0.005, 0.06))
        user = boxes.rng.choice(users)
        if boxes.rng.random() < 0.7:
            boxes.deliver(user)
        else:
            boxes.delete(port, password, user)


if __name__ == "__main__":
    main()
