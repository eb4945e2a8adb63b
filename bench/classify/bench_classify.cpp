// bench_classify [MESSAGES [ROUNDS]]: generates MESSAGES header blocks (10,000 by
// default) as a POP3 server would hand them over, a rule set of 400 rules over the
// four lists, a blacklist of 50,000 entries and a scripted DNS whose verdicts are
// cached before the timed rounds. Times a floor pass that only reads Subject, From
// and Date of every block, the classification of every row (best of ROUNDS), and
// a whole mail check (each row as it arrives, then all rows once more). Prints the
// figures, their ratios, peak memory, and digests of the marks, hit counts and
// reasons so that two builds can be shown to decide alike. With BENCH_HITS set in
// the environment it also lists every rule that matched, with its hits.
#include "core/Classifier.h"
#include "core/UnknownDomain.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "rules/Blacklist.h"
#include "rules/LearnedFilter.h"
#include "rules/SpamSettings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr double GoalRate = 20000.0; // messages per second on one core
constexpr int RuleTotal = 400;
constexpr int BlacklistSize = 50000;
const QString Me = QStringLiteral("jane.doe@isp-mail.example");

volatile qsizetype floorSink; // keeps the floor pass from being optimised away

long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The scripted DNS: a fixed verdict for each domain, answered at once; counts the questions.
class ScriptedMx : public MxLookup {
public:
    QSet<QString> Missing, NoMail;
    int Asked = 0;
    MxAnswer lookup(const QString& domain) override {
        ++Asked;
        const QString d = domain.toLower();
        if (Missing.contains(d)) return MxAnswer::NoSuchDomain;
        if (NoMail.contains(d)) return MxAnswer::NoMail;
        return MxAnswer::Exists;
    }
};

// Vocabulary shared by the messages and the rules, so that some rules match.
const QStringList SpamWords = {"viagra",    "casino",      "lottery",     "winner",      "replica",
                               "rolex",     "mortgage",    "refinance",   "bitcoin",     "crypto",
                               "pharmacy",  "weight loss", "inheritance", "beneficiary", "urgent",
                               "unclaimed", "jackpot",     "diet",        "investment",  "dating"};
const QStringList PlainWords = {
    "meeting",  "report",    "invoice", "minutes", "lunch",   "schedule", "project", "budget",
    "review",   "draft",     "photos",  "weekend", "tickets", "update",   "release", "agenda",
    "question", "follow-up", "notes",   "plans",   "order",   "delivery", "receipt", "newsletter"};
const QStringList FirstNames = {"Anna", "Ben",   "Chloé",   "David", "Eva",  "Frank", "Grete",
                                "Hugo", "Inès",  "Jonas",   "Karin", "Lars", "Maria", "Nils",
                                "Olga", "Pavel", "Quentin", "Rosa",  "Sven", "Tomás"};
const QStringList LastNames = {"Meyer",     "Novak",    "García", "Schmidt", "Olsen",  "Dubois",
                               "Rossi",     "Kowalski", "Müller", "Smith",   "Jansen", "Fischer",
                               "Lindqvist", "Horváth",  "Costa",  "Weber"};
const QStringList Mailers = {
    "Microsoft Outlook 16.0", "Apple Mail (2.3654)", "Thunderbird 115.3.1",
    "PHPMailer 6.8.0",        "Mutt/2.2.9",          "Roundcube Webmail/1.6",
    "Floodgate 3.1",          "Group Mail 7.0"};

struct Generated {
    QList<TmsHeaders> headers;
    QList<MessageRow> rows;
    QStringList legitDomains, spamDomains, spamSenders;
};

QString pick(QRandomGenerator& rng, const QStringList& list) {
    return list[rng.bounded(int(list.size()))];
}

QString hex(QRandomGenerator& rng, int n) {
    static const char digits[] = "0123456789abcdef";
    QString s;
    for (int i = 0; i < n; ++i)
        s += QLatin1Char(digits[rng.bounded(16)]);
    return s;
}

QString base64Noise(QRandomGenerator& rng, int bytes) {
    QByteArray b(bytes, Qt::Uninitialized);
    for (char& c : b)
        c = char(rng.bounded(256));
    return QString::fromLatin1(b.toBase64());
}

QString rfcDate(QRandomGenerator& rng) {
    static const char* days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return QString::asprintf("%s, %d %s 2026 %02d:%02d:%02d %+05d", days[rng.bounded(7)],
                             1 + rng.bounded(28), months[rng.bounded(12)], rng.bounded(24),
                             rng.bounded(60), rng.bounded(60), (rng.bounded(5) - 2) * 100);
}

QString ip(QRandomGenerator& rng) {
    return QString::asprintf("%d.%d.%d.%d", 11 + rng.bounded(200), rng.bounded(256),
                             rng.bounded(256), 1 + rng.bounded(254));
}

// A display name or subject as an encoded word, in one of the common forms.
QString encodedWord(QRandomGenerator& rng, const QString& text) {
    if (rng.bounded(2) == 0)
        return QStringLiteral("=?UTF-8?B?") + QString::fromLatin1(text.toUtf8().toBase64()) +
               QStringLiteral("?=");
    QString q;
    const QByteArray latin = text.toLatin1();
    for (const char c : latin) {
        const uchar u = uchar(c);
        if (u == ' ')
            q += u'_';
        else if (u < 128 && u != '=' && u != '?' && u != '_')
            q += QLatin1Char(c);
        else
            q += QString::asprintf("=%02X", u);
    }
    return QStringLiteral("=?ISO-8859-1?Q?") + q + QStringLiteral("?=");
}

QString subjectFor(QRandomGenerator& rng, bool spam, int n) {
    QString s;
    if (spam) {
        static const QStringList openers = {
            "Your", "Claim your", "Last chance:", "Re:", "Exclusive", "FW:", "Congratulations!"};
        s = pick(rng, openers) + u' ' + pick(rng, SpamWords) + u' ' +
            (rng.bounded(3) == 0 ? QStringLiteral("offer #%1 expires today").arg(n)
                                 : QStringLiteral("ref %1").arg(10000 + rng.bounded(90000)));
        if (rng.bounded(8) == 0) s = s.toUpper();
    } else {
        s = (rng.bounded(4) == 0 ? QStringLiteral("Re: ") : QString()) + pick(rng, PlainWords) +
            u' ' + pick(rng, PlainWords) + QStringLiteral(" for ") + pick(rng, FirstNames);
        if (rng.bounded(3) == 0)
            s += QStringLiteral(" (week %1, room %2)").arg(rng.bounded(52)).arg(rng.bounded(400));
    }
    return s;
}

// One header block: 15 to 30 lines with folded Received, DKIM and Content-Type
// fields, encoded words in about a third of the subjects and display names.
QByteArray headerBlock(QRandomGenerator& rng, const Generated& g, int n, bool spam,
                       QString& sender) {
    const QString first = pick(rng, FirstNames), last = pick(rng, LastNames);
    QString domain, local;
    if (spam) {
        if (rng.bounded(10) < 3) {
            sender = pick(rng, g.spamSenders);
            domain = sender.mid(sender.indexOf(u'@') + 1);
            local = sender.left(sender.indexOf(u'@'));
        } else {
            domain = pick(rng, g.spamDomains);
            local = rng.bounded(4) == 0 ? QString::number(100000 + rng.bounded(900000))
                                        : hex(rng, 3 + rng.bounded(8));
        }
    } else {
        domain = pick(rng, g.legitDomains);
        local = (first.left(1) + u'.' + last).toLower();
    }
    sender = local + u'@' + domain;
    const QString display = rng.bounded(3) == 0 ? encodedWord(rng, first + u' ' + last)
                                                : u'"' + first + u' ' + last + u'"';
    const QString date = rfcDate(rng);

    QStringList h;
    h << QStringLiteral("Return-Path: <%1>").arg(sender);
    h << QStringLiteral("Delivered-To: %1").arg(Me);
    const int hops = 1 + rng.bounded(3);
    for (int i = 0; i < hops; ++i) {
        const QString host = QStringLiteral("mx%1.%2").arg(rng.bounded(20)).arg(domain);
        h << QStringLiteral("Received: from %1 (%1 [%2])").arg(host, ip(rng));
        h << QStringLiteral("\tby mail%1.isp-mail.example (Postfix) with ESMTPS id %2")
                 .arg(rng.bounded(9))
                 .arg(hex(rng, 10).toUpper());
        h << QStringLiteral("\tfor <%1>; %2").arg(Me, date);
    }
    if (rng.bounded(3) != 0) {
        h << QStringLiteral("DKIM-Signature: v=1; a=rsa-sha256; c=relaxed/relaxed; d=%1; s=s%2;")
                 .arg(domain)
                 .arg(rng.bounded(4));
        h << QStringLiteral("\th=from:to:subject:date:message-id; bh=%1;")
                 .arg(base64Noise(rng, 32));
        h << QStringLiteral("\tb=%1").arg(base64Noise(rng, 48));
    }
    h << QStringLiteral("Message-ID: <%1.%2@%3>").arg(hex(rng, 16), hex(rng, 8), domain);
    h << QStringLiteral("Date: ") + date;
    h << QStringLiteral("From: %1 <%2>").arg(display, sender);
    if (rng.bounded(6) == 0)
        h << QStringLiteral("Reply-To: %1@%2")
                 .arg(spam ? hex(rng, 6) : local, spam ? pick(rng, g.spamDomains) : domain);
    const int to = rng.bounded(10);
    if (!spam || to < 5)
        h << QStringLiteral("To: \"Jane Doe\" <%1>").arg(Me);
    else if (to < 8)
        h << QStringLiteral("To: undisclosed-recipients:;");
    else
        h << QStringLiteral("To: %1@%2").arg(hex(rng, 6), pick(rng, g.legitDomains));
    if (rng.bounded(10) == 0)
        h << QStringLiteral("Cc: %1 <%2@%3>")
                 .arg(pick(rng, FirstNames), pick(rng, FirstNames).toLower(), domain);

    QString subject = subjectFor(rng, spam, n);
    if (rng.bounded(3) == 0) subject = encodedWord(rng, subject);
    if (subject.size() > 60) {
        const qsizetype cut = subject.lastIndexOf(u' ', 60);
        if (cut > 0) {
            h << QStringLiteral("Subject: ") + subject.left(cut);
            h << QStringLiteral("\t") + subject.mid(cut + 1);
        } else {
            h << QStringLiteral("Subject: ") + subject;
        }
    } else {
        h << QStringLiteral("Subject: ") + subject;
    }
    h << QStringLiteral("MIME-Version: 1.0");
    h << QStringLiteral("Content-Type: multipart/alternative;");
    h << QStringLiteral("\tboundary=\"----=_Part_%1_%2\"").arg(n).arg(hex(rng, 12));
    // Bulk mailers only send spam here.
    if (rng.bounded(2) == 0)
        h << QStringLiteral("X-Mailer: ") + Mailers[rng.bounded(spam ? int(Mailers.size()) : 5)];
    if (spam || rng.bounded(4) == 0) {
        h << QStringLiteral("List-Unsubscribe: <mailto:unsubscribe-%1@%2>,")
                 .arg(hex(rng, 8), domain);
        h << QStringLiteral("\t<https://%1/u/%2>").arg(domain, hex(rng, 20));
    }
    if (rng.bounded(5) == 0) h << QStringLiteral("X-Priority: 3 (Normal)");
    if (spam && rng.bounded(3) == 0) h << QStringLiteral("Precedence: bulk");
    if (spam && rng.bounded(6) == 0) h << QStringLiteral("X-Advertisement: yes");
    h << QStringLiteral("X-Original-To: %1").arg(Me);
    while (h.size() < 15)
        h << QStringLiteral("X-Filler-%1: %2").arg(h.size()).arg(hex(rng, 24));
    while (h.size() > 30)
        h.removeAt(h.size() - 2);

    QByteArray raw;
    for (const QString& line : h)
        raw += line.toUtf8() + "\r\n";
    raw += "\r\nThis is a multi-part message in MIME format.\r\n";
    return raw;
}

Generated generateMail(QRandomGenerator& rng, int count) {
    Generated g;
    static const QStringList legitTlds = {"com", "org", "net", "de", "fr", "example", "co.uk"};
    static const QStringList spamTlds = {"top", "xyz", "ru", "cn", "biz", "info", "click"};
    for (int i = 0; i < 300; ++i)
        g.legitDomains << QStringLiteral("%1%2.%3")
                              .arg(pick(rng, PlainWords).remove(u'-'), QString::number(i))
                              .arg(pick(rng, legitTlds));
    for (int i = 0; i < 2000; ++i)
        g.spamDomains
            << QStringLiteral("%1-%2.%3").arg(hex(rng, 5)).arg(i).arg(pick(rng, spamTlds));
    for (int i = 0; i < 500; ++i)
        g.spamSenders << QStringLiteral("promo%1@%2").arg(i).arg(pick(rng, g.spamDomains));

    for (int n = 0; n < count; ++n) {
        const bool spam = rng.bounded(100) < 40;
        QString sender;
        TmsHeaders headers;
        headers.LoadFromBytes(headerBlock(rng, g, n, spam, sender));
        headers.StripBody();
        MessageRow row;
        row.Subject = headers.GetFieldValue(QStringLiteral("Subject"));
        QString address, name;
        SplitMailAddress(headers.GetFieldValue(QStringLiteral("From")), address, name);
        row.Sender = address;
        row.Date = headers.GetFieldValue(QStringLiteral("Date"));
        const int size = rng.bounded(100) < 2
                             ? 1000000 + rng.bounded(4000000)
                             : 1500 + int(std::pow(rng.generateDouble(), 3) * 300000);
        row.Size = QString::number(size);
        g.headers.append(headers);
        g.rows.append(row);
    }
    return g;
}

QString yesNo(bool on) {
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

// 400 rules as a user collects them: many exact subjects and senders added from
// the message list, keyword rules, header rules for known bulk mailers, and a few
// exceptions for friends, work and mailing lists. Most never match these messages.
void buildRules(SpamSettings& s, QRandomGenerator& rng, const Generated& g) {
    const auto subject = [&](const QString& cond, const QString& match, bool cs, bool del) {
        s.gridSubject.appendRule({QString(), cond, match, yesNo(cs), yesNo(del), "0"});
    };
    const auto header = [&](const QString& cond, const QString& match, bool cs, bool del) {
        s.gridHeader.appendRule({QString(), cond, match, yesNo(cs), yesNo(del), "0"});
    };
    const auto sender = [&](const QString& kind, const QString& cond, const QString& match,
                            bool del) {
        s.gridFrom.appendRule({QString(), kind, cond, match, yesNo(del), "0"});
    };
    const auto except = [&](const QString& kind, const QString& cond, const QString& match, bool cs,
                            int icon) {
        s.gridExcept.appendRule(
            {kind, cond, match, yesNo(cs), "0", QString(), QString::number(icon)});
    };

    // Exceptions: 40.
    for (int i = 0; i < 12; ++i)
        except("E-mail address", "Equals",
               (pick(rng, FirstNames).left(1) + u'.' + pick(rng, LastNames)).toLower() + u'@' +
                   g.legitDomains[i * 7],
               false, 3 + i % 12);
    for (int i = 0; i < 6; ++i)
        except("Domain name", "Equals", QStringLiteral("partner%1.example").arg(i), false, 4);
    except("Domain name", "Equals", g.legitDomains[3], false, 5); // matches
    const QStringList kinds = {"Subject:", "CC:", "Reply-To:", "To:", "Any Header", "Subject"};
    const QStringList conds = {"Contains", "Contains (whole word)", "Equals", "Starts with",
                               "Ends with"};
    for (int i = 0; i < 19; ++i)
        except(kinds[i % kinds.size()], conds[i % conds.size()],
               QStringLiteral("[project-%1]").arg(hex(rng, 4)), i % 4 == 0, 3 + i % 12);
    except("Any Header", "Contains", "List-Id: <dev.lists.isp-mail.example>", false, 6);
    except("Subject:", "Starts with", "Re: minutes", false, 7); // matches a few

    // Subject rules: 150.
    for (int i = 0; i < 70; ++i) // exact subjects of past spam, added from the list
        subject("Equals",
                QStringLiteral("Your %1 offer #%2 expires today")
                    .arg(pick(rng, SpamWords))
                    .arg(100000 + i),
                true, true);
    for (int i = 0; i < 40; ++i)
        subject(i % 2 ? "Contains" : "Contains (whole word)",
                QStringLiteral("%1%2").arg(pick(rng, PlainWords).toUpper()).arg(hex(rng, 3)),
                i % 5 == 0, i % 3 == 0);
    for (int i = 0; i < 10; ++i)
        subject(i % 2 ? "Starts with" : "Ends with", QStringLiteral("[ad-%1]").arg(hex(rng, 4)),
                false, true);
    subject("Is blank", QString(), false, true);
    subject("Is UPPERCASE", QString(), false, false); // matches shouting spam
    for (int i = 0; i < 8; ++i)                       // keyword rules that match
        subject(i % 2 ? "Contains" : "Contains (whole word)", SpamWords[i * 2], false, i % 4 == 1);
    while (s.gridSubject.ruleCount() < 150)
        subject("Contains", QStringLiteral("free %1 %2").arg(pick(rng, PlainWords), hex(rng, 4)),
                false, false);

    // Sender rules: 100.
    for (int i = 0; i < 60; ++i) // past spammers, added from the list
        sender("E-mail address", "Equals",
               QStringLiteral("%1@%2").arg(hex(rng, 7), pick(rng, g.spamDomains)), true);
    for (int i = 0; i < 20; ++i)
        sender("Domain name", i % 2 ? "Equals" : "Ends with",
               QStringLiteral("%1.%2").arg(hex(rng, 6), i % 3 ? "info" : "biz"), true);
    sender("Domain name", "Ends with", ".top", false);  // matches
    sender("Domain name", "Ends with", ".click", true); // matches
    sender("E-mail address", "All numeric", QString(), false);
    sender("E-mail address", "50% numeric", QString(), false);
    sender("E-mail address", "First char numeric", QString(), false);
    sender("E-mail address", "Is UPPERCASE", QString(), false);
    sender("E-mail address", "Is blank", QString(), true);
    sender("Domain name", "Is blank", QString(), true);
    sender("Domain name", "First char numeric", QString(), false);
    for (int i = 0; i < 5; ++i)
        sender("E-mail address", i % 2 ? "Starts with" : "Contains",
               QStringLiteral("bulk%1").arg(hex(rng, 3)), false);
    while (s.gridFrom.ruleCount() < 100)
        sender("E-mail address", "Contains (whole word)",
               QStringLiteral("offers%1").arg(hex(rng, 4)), true);

    // Header rules: 110.
    static const QStringList suggestions = {"X-1",
                                            "X-Advertisement",
                                            "X-Authentication-Warning",
                                            "X-BulkEmail",
                                            "X-Distribution: Bulk",
                                            "X-Distribution: Mass",
                                            "X-Distribution: Moderate",
                                            "X-Mailer: Emailer Platinum",
                                            "X-Mailer: Extractor",
                                            "X-Mailer: eMarksman",
                                            "X-Mailer: Floodgate",
                                            "X-Mailer: Group Mail",
                                            "X-Mailer: Millennium Mailer",
                                            "X-Removal",
                                            "X-Sender: News Breaker"};
    for (int i = 0; i < suggestions.size(); ++i)
        header("Contains", suggestions[i], false, i % 3 == 0);
    header("To does not contain", Me + " - MailBox #1", false, false); // matches often
    header("To does not contain", "john@other.example - MailBox #2", false, true);
    header("Sender", "does not match Reply-to", false, false);
    header("Sender", "equals To field", false, true);
    header("Starts with", "Precedence: bulk", false, false);
    header("Ends with", "(Highest)", true, false);
    header("Equals", "X-Priority: 1 (Highest)", false, true);
    for (int i = 0; i < 40; ++i) // relays of past spam
        header("Contains", QStringLiteral("from %1.%2").arg(hex(rng, 8), pick(rng, g.spamDomains)),
               false, true);
    for (int i = 0; i < 20; ++i)
        header(i % 2 ? "Contains (whole word)" : "Starts with",
               QStringLiteral("X-Campaign-%1").arg(hex(rng, 5)), i % 4 == 0, false);
    while (s.gridHeader.ruleCount() < 110)
        header(conds[s.gridHeader.ruleCount() % conds.size()],
               QStringLiteral("X-Spam-Tag: %1").arg(hex(rng, 6)), false, true);
}

void buildBlacklist(Blacklist& known, QRandomGenerator& rng, const Generated& g,
                    const QString& dir) {
    QByteArray text;
    for (int i = 0; i < 100; ++i) // some of the spam senders and domains seen
        text += g.spamSenders[i * 5].toUtf8() + "\r\n";
    for (int i = 0; i < 40; ++i)
        text += g.spamDomains[i * 50].toUtf8() + "\r\n";
    for (int i = 140; i < BlacklistSize; ++i) {
        const QString e =
            i % 3 == 0
                ? QStringLiteral("%1-%2.%3").arg(hex(rng, 6)).arg(i).arg("net")
                : QStringLiteral("%1.%2@%3-mail.com").arg(hex(rng, 5)).arg(i).arg(hex(rng, 4));
        text += e.toUtf8() + "\r\n";
    }
    const QString path = dir + QStringLiteral("/known.lst");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    f.close();
    known.load(path);
}

QByteArray digestMarks(const QList<MessageRow>& rows) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const MessageRow& r : rows)
        h.addData(QByteArray::number(int(r.Mark)) + ',');
    return h.result().toHex().left(12);
}

QByteArray digestHits(const SpamSettings& s) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const RuleList* list : s.lists())
        for (int r = 1; r < list->rowCount(); ++r)
            h.addData(list->cell(list->hitsColumn(), r).toUtf8() + ',');
    return h.result().toHex().left(12);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int count = args.value(0, QStringLiteral("10000")).toInt();
    const int rounds = std::max(1, args.value(1, QStringLiteral("5")).toInt());
    if (count < 1) {
        std::fprintf(stderr, "usage: bench_classify [MESSAGES [ROUNDS]]\n");
        return 2;
    }
    QTemporaryDir dir;
    QRandomGenerator rng(20260304);

    Generated g = generateMail(rng, count);
    SpamSettings settings;
    buildRules(settings, rng, g);
    settings.Larger.QLarger = true;
    settings.Larger.Num = 1000000;
    settings.Larger.Check = false;
    settings.Known.QMonitor = true;
    settings.Known.Valid = true;
    settings.Known.Question = false;
    Blacklist known;
    buildBlacklist(known, rng, g, dir.path());

    ScriptedMx dns;
    for (int i = 0; i < g.spamDomains.size(); i += 25)
        dns.Missing.insert(g.spamDomains[i]);
    dns.NoMail.insert(g.spamDomains[7]);
    UnknownDomainCheck domains(dns, settings);

    QList<MessageRow> rows = g.rows;
    Classifier classifier(
        rows, [&g](int i) -> const TmsHeaders& { return g.headers.at(i); }, settings, known,
        &domains);
    classifier.MailboxSlot = 1;

    qsizetype lines = 0;
    for (const TmsHeaders& h : g.headers)
        lines += h.size();
    const int ruleCount = settings.gridSubject.ruleCount() + settings.gridHeader.ruleCount() +
                          settings.gridFrom.ruleCount() + settings.gridExcept.ruleCount();
    std::printf("%d header blocks (%.1f lines each), %d rules (subject %d, header %d, sender %d, "
                "exception %d), blacklist %d entries\n",
                count, double(lines) / count, ruleCount, settings.gridSubject.ruleCount(),
                settings.gridHeader.ruleCount(), settings.gridFrom.ruleCount(),
                settings.gridExcept.ruleCount(), known.count());
    if (ruleCount != RuleTotal)
        std::fprintf(stderr, "warning: %d rules, not %d\n", ruleCount, RuleTotal);
    const long setupKiB = peakKiB();

    // The domain verdicts are cached for the run: a first check fills the cache.
    domains.beginCheck();
    classifier.MarkForDeletion(-1);
    const int askedBefore = dns.Asked;

    // The floor: what building the rows reads, three fields of every header block.
    QElapsedTimer t;
    QList<qint64> floorTimes;
    for (int r = 0; r < rounds; ++r) {
        qsizetype read = 0;
        t.start();
        for (const TmsHeaders& h : g.headers) {
            read += h.GetFieldValue(QStringLiteral("Subject")).size();
            read += h.GetFieldValue(QStringLiteral("From")).size();
            read += h.GetFieldValue(QStringLiteral("Date")).size();
        }
        floorTimes << t.nsecsElapsed();
        floorSink = read;
    }

    // Classification of every row from no mark.
    QList<qint64> classifyTimes;
    QByteArray marks;
    for (int r = 0; r < rounds; ++r) {
        for (MessageRow& row : rows)
            row.Mark = NoMark;
        t.start();
        classifier.MarkForDeletion(-1);
        classifyTimes << t.nsecsElapsed();
        const QByteArray d = digestMarks(rows);
        if (!marks.isEmpty() && d != marks) qFatal("marks differ between rounds");
        marks = d;
    }

    // A whole check: each row classified as it arrives, then all rows once more.
    for (MessageRow& row : rows)
        row.Mark = NoMark;
    domains.beginCheck();
    t.start();
    for (int i = 0; i < rows.size(); ++i)
        classifier.MarkForDeletion(i);
    classifier.MarkForDeletion(-1);
    const qint64 checkNs = t.nsecsElapsed();
    const int askedTimed = dns.Asked - askedBefore;
    const long peak = peakKiB();

    int tally[5] = {};
    for (const MessageRow& row : rows)
        ++tally[row.Mark == NoMark          ? 0
                : row.Mark == CheckMark     ? 1
                : row.Mark == QuestionMark  ? 2
                : row.Mark == BlacklistMark ? 3
                                            : 4];

    // Reasons for every tenth row, as "why was this marked" gives them.
    QCryptographicHash why(QCryptographicHash::Sha1);
    int reasons = 0;
    for (int i = 0; i < rows.size(); i += 10) {
        const QStringList lines = classifier.explain(i).Reasons;
        reasons += int(lines.size());
        why.addData(lines.join(u'\n').toUtf8() + '\0');
    }

    const QByteArray hitsDigest = digestHits(settings);

    // With the learned judgement on: taught from the blocks the rules marked
    // (as spam) and left (as other mail), as the user's deletions teach it, it
    // judges every row no rule marked.
    LearnedFilter learned(dir.filePath(QStringLiteral("learned.db")));
    if (!learned.open()) qFatal("learned: %s", qPrintable(learned.error()));
    {
        QList<LearnedExample> step;
        int spamTaught = 0, otherTaught = 0;
        for (int i = 0; i < rows.size() && (spamTaught < 500 || otherTaught < 500); ++i) {
            const bool spam = isMarked(rows[i].Mark);
            if (spam ? spamTaught++ >= 500 : otherTaught++ >= 500) continue;
            step << LearnedExample{QString::number(i), g.headers.at(i), spam};
        }
        learned.learn(step);
    }
    QList<MessageRow> learnedRows = g.rows;
    SpamSettings learnedSettings = settings; // its hits are not those the digest names
    Classifier withLearning(
        learnedRows, [&g](int i) -> const TmsHeaders& { return g.headers.at(i); },
        learnedSettings, known, &domains, &learned);
    withLearning.MailboxSlot = 1;
    // Each round is a new listing: no score is known yet. Then a whole check,
    // where the final pass finds the scores of the first.
    QList<qint64> learnedTimes;
    int learnedMarks = 0;
    for (int r = 0; r < rounds; ++r) {
        for (MessageRow& row : learnedRows)
            row.Mark = NoMark;
        withLearning.forgetScores();
        t.start();
        withLearning.MarkForDeletion(-1);
        learnedTimes << t.nsecsElapsed();
        learnedMarks = 0;
        for (int i = 0; i < rows.size(); ++i)
            learnedMarks += rows[i].Mark == NoMark && learnedRows[i].Mark != NoMark ? 1 : 0;
    }
    std::sort(learnedTimes.begin(), learnedTimes.end());
    for (MessageRow& row : learnedRows)
        row.Mark = NoMark;
    withLearning.forgetScores();
    domains.beginCheck();
    t.start();
    for (int i = 0; i < learnedRows.size(); ++i)
        withLearning.MarkForDeletion(i);
    withLearning.MarkForDeletion(-1);
    const qint64 learnedCheckNs = t.nsecsElapsed();

    std::sort(floorTimes.begin(), floorTimes.end());
    std::sort(classifyTimes.begin(), classifyTimes.end());
    const qint64 floorNs = floorTimes.first();
    const qint64 classifyNs = classifyTimes.first();
    const qint64 medianNs = classifyTimes[classifyTimes.size() / 2];
    const double rate = count / (classifyNs / 1e9);
    std::printf("marks: none %d, check %d, question %d, blacklist %d, exception %d\n", tally[0],
                tally[1], tally[2], tally[3], tally[4]);
    std::printf("unknown domains found %d, DNS questions %d, during timed rounds %d\n",
                int(domains.lbBadDomains().size()), dns.Asked, askedTimed);
    std::printf("floor (Subject, From, Date of every block): %8.2f ms (best of %d)\n",
                floorNs / 1e6, rounds);
    std::printf("classification of every row:               %8.2f ms (best of %d; median %.2f)\n",
                classifyNs / 1e6, rounds, medianNs / 1e6);
    std::printf("a whole check (as they arrive, then all):  %8.2f ms\n", checkNs / 1e6);
    std::printf("rate: %.0f messages/s, %.1f us each (median %.0f/s; goal %.0f/s)\n", rate,
                classifyNs / 1e3 / count, count / (medianNs / 1e9), GoalRate);
    std::printf("ratio rate/goal: %.2f (1.00 or more meets it)\n", rate / GoalRate);
    std::printf("ratio classification/floor time: %.2f\n", double(classifyNs) / double(floorNs));
    std::printf("with the learned judgement on (%u spam, %u other learned): %8.2f ms (best of %d), "
                "%d more rows marked\n",
                learned.spamCount(), learned.otherCount(), learnedTimes.first() / 1e6, rounds,
                learnedMarks);
    std::printf("ratio learning on/off, classification of every row: %.2f (goal: no slower, "
                "1.00)\n",
                double(learnedTimes.first()) / double(classifyNs));
    std::printf("a whole check with learning on: %8.2f ms, ratio on/off: %.2f\n",
                learnedCheckNs / 1e6, double(learnedCheckNs) / double(checkNs));
    std::printf("peak memory: %.1f MB after setup, %.1f MB at the end (ru_maxrss)\n",
                setupKiB / 1024.0, peak / 1024.0);
    std::printf("digests: marks %s, hits %s, reasons %s (%d lines)\n", marks.constData(),
                hitsDigest.constData(), why.result().toHex().left(12).constData(),
                reasons);
    if (qEnvironmentVariableIsSet("BENCH_HITS"))
        for (const RuleList* list : settings.lists())
            for (int r = 1; r < list->rowCount(); ++r)
                if (list->cell(list->hitsColumn(), r) != "0")
                    std::printf("%s %d: %s\n", qPrintable(list->gridName()), r,
                                qPrintable(list->row(r).Cells.join(" | ")));
    return 0;
}
