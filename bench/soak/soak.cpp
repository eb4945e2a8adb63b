// The soak: many automatic sweeps with deletion ("Kill") against a private
// Dovecot, with rules drawn at random, while another client delivers and
// deletes messages in the same mailboxes. Afterwards it compares what went
// from the server with what was marked when each deletion was checked, and
// with the activity log.
//
//   soak --dir DIR --port N --password PW --sweeps N --disturber SCRIPT USER...
//
// The profile is the one of XDG_CONFIG_HOME / XDG_DATA_HOME. Prints its figures
// and exits with 1 when a message was deleted that was not marked, when a marked
// message outlived a completed deletion, or when a deletion has no log block.
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "settings/AppPaths.h"
#include "settings/MailboxConfig.h"
#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

class HiddenView : public MainView {
public:
    bool MainWindowVisible() const override { return false; }
    void ShowApplication() override {}
    void HideApplication() override {}
    void CloseMainWindow() override {}
    void Terminate() override {}
    bool SystemTrayAvailable() const override { return true; }
    int ChooseMailbox(const QStringList&, int preselected) override { return preselected; }
    void ShowGeneralSettings() override {}
    void ShowSpamSettings() override {}
    void ShowStatistics() override {}
    bool StatisticsOpen() const override { return false; }
    void ShowAbout() override {}
    void ShowTextWindow(TextKind, const QStringList&) override {}
};

class Quiet : public AlarmSound, public Shell {
public:
    void Play(const QString&, bool) override {}
    void Stop() override {}
    void Beep() override {}
    bool OpenDocument(const QString&) override { return false; }
    bool StartProgram(const QString&) override { return false; }
};

// Counts the boxes the controller shows: every one is a failure report.
class CountingPrompter : public Prompter {
public:
    QMap<QString, int> texts;
    Answer message(const QString& text, Icon, Buttons buttons) override {
        ++texts[text];
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

const QStringList Words{"offer",  "meeting", "pills",  "invoice", "winner", "lunch",
                        "report", "free",    "urgent", "hello",   "notes",  "prize",
                        "agenda", "cheap",   "family", "loan"};
const QStringList Domains{"example.org", "bulk.test", "friends.test", "shop.test", "news.test"};

QString pick(QRandomGenerator& rng, const QStringList& from) {
    return from.at(int(rng.bounded(qint64(from.size()))));
}
QString yesNo(bool on) {
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

// New rules in place of the old ones: subject words, sender domains, now and
// then an exception, the blacklist and a size limit.
void randomRules(MainController& c, QRandomGenerator& rng) {
    SpamSettings& s = c.dialogModels().Spam;
    s.gridSubject.reset();
    for (int i = 0, n = 1 + int(rng.bounded(3)); i < n; ++i)
        s.gridSubject.appendRule(
            {QString(), "Contains", pick(rng, Words), "No", yesNo(rng.bounded(4) != 0), "0"});
    s.gridFrom.reset();
    if (rng.bounded(2))
        s.gridFrom.appendRule(
            {QString(), "Domain name", "Equals", pick(rng, Domains), yesNo(rng.bounded(2)), "0"});
    s.gridExcept.reset();
    if (rng.bounded(3) == 0)
        s.gridExcept.appendRule(
            {"Subject", "Contains", pick(rng, Words), "No", "0", QString(), "5"});
    s.gridHeader.reset();
    Blacklist& known = c.dialogModels().Known;
    known.clear();
    if (rng.bounded(2)) known.add(pick(rng, Domains));
    s.Known.QMonitor = true;
    s.Larger.QLarger = rng.bounded(3) == 0;
    s.Larger.Num = 500 + int(rng.bounded(2500));
    s.Larger.Check = rng.bounded(2);
}

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The ids of the messages in a maildir now.
QSet<QString> idsInMaildir(const QString& maildir) {
    QSet<QString> ids;
    for (const char* sub : {"new", "cur"}) {
        QDir dir(maildir + u'/' + QLatin1String(sub));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QByteArray head = f.read(4096);
            const qsizetype at = head.indexOf("Message-ID: <");
            if (at >= 0)
                ids.insert(QString::fromLatin1(head.mid(at + 13, head.indexOf('@', at) - at - 13)));
        }
    }
    return ids;
}

QString idOf(const TmsHeaders& headers) {
    QString id = headers.GetFieldValue(QStringLiteral("Message-ID"));
    id.remove(u'<');
    return id.left(id.indexOf(u'@'));
}

// The message ids named in "DELETE SPAM" blocks of the log (from the subject's "[id]").
QMap<QString, int> loggedDeletions(const QString& path) {
    QMap<QString, int> ids;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return ids;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("DELETE SPAM on "))) continue;
        const QString subject = lines[i + 2];
        const qsizetype open = subject.lastIndexOf(u'[');
        if (subject.startsWith(QLatin1String("   Subject: ")) && open >= 0)
            ++ids[subject.mid(open + 1, subject.lastIndexOf(u']') - open - 1)];
    }
    return ids;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString dir, password, disturber;
    int port = 0, sweeps = 200;
    QStringList users;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--dir")
            dir = args.takeFirst();
        else if (a == "--port")
            port = args.takeFirst().toInt();
        else if (a == "--password")
            password = args.takeFirst();
        else if (a == "--sweeps")
            sweeps = args.takeFirst().toInt();
        else if (a == "--disturber")
            disturber = args.takeFirst();
        else
            users << a;
    }
    QTextStream out(stdout);
    QRandomGenerator rng(20240205);
    const QString otherLog = dir + "/disturber.log";

    // The profile: every mailbox in a slot, automatic deletion, no DNS.
    SettingsStore tree = SettingsStore::tree();
    tree.WriteString("Server", "Version161", "161");
    for (int n = 0; n < users.size(); ++n)
        MailboxConfig{QStringLiteral("127.0.0.1:%1").arg(port), users[n], password,
                      MailSecurity::None}
            .store(n + 1);
    tree.WriteBool("General", "Kill", true);
    tree.WriteBool("General", "Automatic", true);
    tree.WriteBool("General", "Launch", false);
    SettingsStore::iniFile().WriteBool("Known", "Valid", false);
    for (int n = 0; n < users.size(); ++n) {
        QProcess::execute("python3", {disturber, "populate", dir, otherLog, QString::number(n + 1),
                                      users[n], "40"});
    }

    HiddenView view;
    CountingPrompter prompter;
    Quiet quiet;
    // Unattended, as the command line's sweeps run: no timer, no question.
    MainController c(view, prompter, quiet, quiet, nullptr, /*attended=*/false);
    c.FormCreate();
    c.setNetworkTimeOut(30);

    // What each deletion was asked to delete, by the marks of its check, and
    // whether it reached the sign-off.
    QSet<QString> batch, committedMarked, attemptedMarked;
    int transfers = 0, completed = 0;
    bool signedOff = false;
    QObject::connect(&c.session(), &MailboxSession::transferring, [&] {
        ++transfers;
        batch.clear();
        signedOff = false;
        for (int i = 0; i < c.rows().size(); ++i)
            if (isMarked(c.rows()[i].Mark)) batch.insert(idOf(c.session().headers(i)));
        attemptedMarked.unite(batch);
    });
    QObject::connect(&c, &MainController::messagesDeleted, [&](int n) {
        ++completed;
        signedOff = true;
        if (n != batch.size())
            out << "warning: deleted " << n << " of a batch of " << batch.size() << "\n";
        committedMarked.unite(batch);
    });
    int checks = 0, swallowed = 0;
    QObject::connect(&c, &MainController::mailboxSwept, [&](const SweptMailbox& m) {
        ++checks;
        if (!m.Failure.isEmpty()) ++swallowed;
    });

    QProcess other;
    other.start("python3", QStringList{disturber, "run", dir, otherLog, "99", QString::number(port),
                                       password} +
                               users);
    other.waitForStarted();

    for (int sweep = 0; sweep < sweeps; ++sweep) {
        if (sweep % 5 == 0) randomRules(c, rng);
        c.SweepNow();
        pause(int(rng.bounded(60)));
    }

    other.terminate();
    other.waitForFinished(60000);

    // A last sweep with nobody else around: whatever its checks mark must go.
    c.SweepNow();

    // Who took what.
    QSet<QString> delivered, deletedByOther;
    QFile log(otherLog);
    log.open(QIODevice::ReadOnly);
    for (const QByteArray& line : log.readAll().split('\n')) {
        const QList<QByteArray> w = line.split(' ');
        if (w.size() != 3) continue;
        if (w[0] == "delivered") delivered.insert(QString::fromLatin1(w[2]));
        if (w[0] == "deleted") deletedByOther.insert(QString::fromLatin1(w[2]));
    }
    QSet<QString> present;
    for (const QString& user : users)
        present.unite(idsInMaildir(dir + "/mail/" + user + "/Maildir"));
    QSet<QString> deletedByUs = delivered;
    deletedByUs.subtract(present);
    deletedByUs.subtract(deletedByOther);

    const QSet<QString> notMarked = QSet<QString>(deletedByUs).subtract(committedMarked);
    QSet<QString> markedSurvived = committedMarked;
    markedSurvived.intersect(present);
    const QMap<QString, int> blocks = loggedDeletions(c.logPath());
    int withBlock = 0;
    for (const QString& id : deletedByUs)
        if (blocks.contains(id)) ++withBlock;
    int blocksNotDeleted = 0;
    for (auto it = blocks.begin(); it != blocks.end(); ++it)
        if (!deletedByUs.contains(it.key())) ++blocksNotDeleted;

    out << "soak: " << sweeps << " sweeps with deletion over " << users.size()
        << " mailboxes, another client delivering and deleting meanwhile\n";
    out << "  mailbox checks: " << checks << " (failures passed over: " << swallowed << ")\n";
    out << "  deletions: " << transfers << " started, " << completed << " completed\n";
    for (auto it = prompter.texts.begin(); it != prompter.texts.end(); ++it)
        out << "  failure shown " << it.value() << "x: " << it.key() << "\n";
    out << "  messages: " << delivered.size() << " delivered, " << deletedByUs.size()
        << " deleted by Quillmere, " << deletedByOther.size() << " by the other client, "
        << present.size() << " left\n";
    out << "deleted but not marked at their check: " << notMarked.size() << "\n";
    out << "marked at a completed deletion but still on the server: " << markedSurvived.size()
        << "\n";
    out << "marked messages a failed deletion left (deleted later or still there): "
        << QSet<QString>(attemptedMarked).subtract(committedMarked).size() << "\n";
    out << "deletions with their log block: " << withBlock << " of " << deletedByUs.size()
        << (withBlock == deletedByUs.size() ? " (every deletion logged)" : " (MISSING BLOCKS)")
        << "\n";
    out << "log blocks of messages a failed deletion kept: " << blocksNotDeleted << "\n";
    out.flush();
    return notMarked.isEmpty() && markedSurvived.isEmpty() && withBlock == deletedByUs.size() ? 0
                                                                                              : 1;
}
