#pragma once

#include <QString>
#include <QStringList>

// Hand-written headers for the learned judgement's tests: message n of a spam
// run and of a run of ordinary mail. Both reach the same provider
// (mx.provider.example, then pop.provider.example) and carry the fields that
// must never become tokens: a Date, the provider's X-Spam-Status and
// Delivered-To, and the provider's own Received hops.
namespace LearnedMail {

inline QStringList spam(int n) {
    return {
        QStringLiteral("Received: from mx.provider.example ([10.0.0.5]) by pop.provider.example "
                       "with LMTP id Q%1; Tue, 6 Aug 2002 11:48:09 +0100")
            .arg(n),
        QStringLiteral("Received: from bulk%1.pills-now.test (bulk%1.pills-now.test "
                       "[203.0.113.%1]) by mx.provider.example with SMTP id R%1;")
            .arg(n % 250),
        QStringLiteral("\tFri, 2 Aug 2002 22:52:32 +0100"),
        QStringLiteral("From: \"Cheap Meds\" <offer%1@pills-now.test>").arg(n),
        QStringLiteral("To: undisclosed-recipients:;"),
        QStringLiteral("Subject: FREE pills for you, order %1 now!!").arg(n),
        QStringLiteral("Date: Fri, 02 Aug 2002 23:37:59 0530"),
        QStringLiteral("Message-ID: <%1.77@pills-now.test>").arg(n * 7919),
        QStringLiteral("X-Mailer: Mass Sender Pro 3.1"),
        QStringLiteral("X-Spam-Status: Yes, hits=12.0"),
        QStringLiteral("Delivered-To: ann@provider.example"),
        QStringLiteral("Content-Type: text/html; charset=\"iso-8859-1\""),
    };
}

inline QStringList other(int n) {
    return {
        QStringLiteral("Received: from mx.provider.example ([10.0.0.5]) by pop.provider.example "
                       "with LMTP id Q%1; Tue, 6 Aug 2002 11:48:09 +0100")
            .arg(n),
        QStringLiteral("Received: from lists.club.example (lists.club.example [198.51.100.7]) "
                       "by mx.provider.example with ESMTP id S%1; Mon, 5 Aug 2002 09:00:00 +0000")
            .arg(n),
        QStringLiteral("From: Ben Walker <ben@club.example>"),
        QStringLiteral("To: walkers@lists.club.example"),
        QStringLiteral("Subject: Re: [walkers] route for the hike on day %1").arg(n),
        QStringLiteral("Date: Mon, 05 Aug 2002 10:00:00 +0200"),
        QStringLiteral("Message-ID: <20020805.%1@club.example>").arg(n),
        QStringLiteral("In-Reply-To: <20020804.%1@club.example>").arg(n),
        QStringLiteral("List-Id: Walkers <walkers.lists.club.example>"),
        QStringLiteral("User-Agent: Mutt/1.4i"),
        QStringLiteral("X-Spam-Status: No, hits=0.1"),
        QStringLiteral("Delivered-To: ann@provider.example"),
        QStringLiteral("Content-Type: text/plain; charset=us-ascii"),
    };
}

} // namespace LearnedMail
