#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TmsHeaders;

// Turns a message header into the tokens the learned judgement counts: words of
// the decoded subject; the sender's address, domain and display name; the
// recipients' count, addresses and domains; the Received hosts and addresses outside the
// user's own provider; the Message-ID's domain and shape; the mailer, content
// type, character set and the other fields the sender wrote.
//
// Never a token: the Date field and every other date, and the fields that the
// receiving side or a collector adds (Delivered-To, Return-Path, X-Spam-*,
// X-Status and the like, see isExcludedField).
//
// The user's own provider: the Received hops it recorded say nothing about the
// sender, only how the message reached the mailbox. A hop is the provider's when
// its "by" host is local (no dot, localhost, a private or loopback address),
// belongs to one of ownDomains, or belongs to the domain of the topmost hop's
// "by" host (the provider always adds the topmost hop). Reading from the top, the
// first hop whose "from" part is outside the provider is the hand-over: its
// sending host and address are tokens, and so is every host of the hops below.
class LearnedTokenizer {
public:
    // Domains of the user's own provider beyond the topmost hop's (lower case,
    // such as "example.net"): the mailbox's server domain, and any the user named.
    QStringList ownDomains;

    // The tokens of a header, each once, in the order found; with hashes, their
    // keys (see hash) in the same order.
    QStringList tokens(const TmsHeaders& headers, QList<quint64>* hashes = nullptr) const;
    // The same tokens' keys alone, in out: no token text is built.
    void keys(const TmsHeaders& headers, std::vector<quint64>& out) const;

    // A token's key in the database: FNV-1a over its UTF-16 code units, so that
    // it stays the same from build to build.
    static quint64 hash(QStringView token);

    // Whether the field (name without the colon, any case) is one that the
    // receiving side or a collector adds, or that only gives a time.
    static bool isExcludedField(QStringView name);

    // The domains of a list such as "example.net, mail.example.org" (commas or
    // blanks between), lower case.
    static QStringList parseDomains(const QString& text);

    // The registrable part of a host name: its last two labels, or three when the
    // second-last is a short second-level label such as "co" in "x.co.uk".
    static QString baseDomain(QStringView host);

private:
    void scan(const TmsHeaders& headers, std::vector<quint64>& out, QStringList* names) const;
    // The base domains of ownDomains, worked out again when the list changes.
    mutable QStringList m_ownFor, m_ownBases;
};
