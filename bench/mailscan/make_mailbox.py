#!/usr/bin/env python3
"""Writes COUNT messages with realistic headers into MAILDIR/new (seeded, so
every run scans the same mailbox), numbered from FIRST (default 0): a later
FIRST delivers other messages into the same mailbox.
Usage: make_mailbox.py MAILDIR COUNT [FIRST]"""
import base64
import os
import random
import sys

SENDERS = ["Anna Berg <anna.berg@example.org>", "news@shop.example.com",
           "\"Jörg Müller\" <joerg@example.de>", "Billing <billing@bank.example.net>",
           "noreply@social.example", "=?UTF-8?B?5bGx55Sw?= <yamada@example.jp>"]
SUBJECTS = ["Meeting on Thursday", "Your invoice {n}", "Re: holiday photos",
            "=?UTF-8?Q?Gr=C3=BC=C3=9Fe_aus_M=C3=BCnchen?= {n}", "WIN A PRIZE NOW!!! {n}",
            "=?ISO-8859-1?Q?Ihre_Bestellung_=FCber?= {n}", "[list] weekly digest #{n}"]
WORDS = "the quick brown fox jumps over the lazy dog mail server message".split()


def header_block(rng, n):
    hops = rng.randint(2, 5)
    lines = []
    for h in range(hops):
        lines.append(f"Received: from mx{h}.example.net (mx{h}.example.net [192.0.2.{h + 1}])\n"
                     f"\tby mail.example.org (Postfix) with ESMTPS id {rng.getrandbits(40):X}\n"
                     f"\tfor <tester@example.org>; Mon, 5 Feb 2024 10:{h:02d}:{n % 60:02d} +0100")
    lines.append("DKIM-Signature: v=1; a=rsa-sha256; c=relaxed/relaxed; d=example.org; s=s1;\n"
                 "\th=from:to:subject:date:message-id; bh=" +
                 base64.b64encode(rng.randbytes(32)).decode() + ";\n\tb=" +
                 "\n\t ".join(base64.b64encode(rng.randbytes(192)).decode()[i:i + 70]
                              for i in range(0, 256, 70)))
    lines.append(f"From: {rng.choice(SENDERS)}")
    lines.append("To: tester@example.org")
    lines.append("Subject: " + rng.choice(SUBJECTS).format(n=n))
    lines.append(f"Date: {rng.choice(['Mon', 'Tue', 'Wed'])}, {1 + n % 28} Feb 2024 "
                 f"{n % 24:02d}:{n % 60:02d}:{n % 59:02d} +0100")
    lines.append(f"Message-ID: <{n}.{rng.getrandbits(48):x}@example.org>")
    lines.append("MIME-Version: 1.0")
    lines.append("Content-Type: text/plain; charset=UTF-8")
    lines.append("Content-Transfer-Encoding: 8bit")
    if rng.random() < 0.4:
        lines.append(f"List-Unsubscribe: <mailto:leave-{n}@lists.example.com>,\n"
                     f" <https://lists.example.com/unsubscribe/{rng.getrandbits(64):x}>")
    lines.append("X-Mailer: Example Mailer 4.2")
    return "\n".join(lines)


def main():
    maildir, count = sys.argv[1], int(sys.argv[2])
    first = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    rng = random.Random(1 + first)
    new = os.path.join(maildir, "new")
    for n in range(first, first + count):
        body_lines = [" ".join(rng.choice(WORDS) for _ in range(12)) for _ in range(rng.randint(5, 300))]
        text = header_block(rng, n) + "\n\n" + "\n".join(body_lines) + "\n"
        with open(os.path.join(new, f"1700000000.M{n:09d}P1.bench"), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
