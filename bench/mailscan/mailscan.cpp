// Times one mailbox scan (UpdateInfo: LIST and TOP for every message), one
// deletion of every second message (a scan, not timed, then TransferData), an
// IMAP listing (SELECT and one UID FETCH of sizes and headers) or the move of
// every second message into the Junk folder (a listing, not timed, then the
// UID MOVE), a check with a header cache (read from its file, UpdateInfo or the
// IMAP listing with it, written back), or the processor time a wait on a silent
// server costs. Prints "key=value" lines.
//   mailscan scan|delete <server> <user> [lockstep]
//       (the password comes from QUILL_BENCH_PASSWORD; "lockstep" turns
//       pipelining off, as with a server that does not offer it)
//   mailscan imap-scan|imap-move <server> <user>
//   mailscan check|imap-check <server> <user> <cache file> [rounds]
//   mailscan stall <seconds>
#include "mail/Exceptions.h"
#include "mail/cache/HeaderCache.h"
#include "mail/imap/ImapClient.h"
#include "mail/pop3/RemotePOP.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

// Before each round but the first: says it waits, then waits for a line on
// standard input (the script delivers new mail meanwhile); false at its end.
bool awaitRound(int round) {
    std::printf("waiting=%d\n", round);
    std::fflush(stdout);
    char line[64];
    return std::fgets(line, sizeof line, stdin) != nullptr;
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long peakKilobytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void configure(TmsRemotePOP& pop, const QString& server, const QString& user, bool lockstep) {
    pop.Server = server;
    pop.UserName = user;
    pop.Password = qEnvironmentVariable("QUILL_BENCH_PASSWORD");
    pop.setTimeOut(60);
    pop.AllowPipelining = !lockstep;
}

void report(int messages, double seconds, double cpu) {
    std::printf("messages=%d\nseconds=%.3f\ncpu=%.3f\npeak_kb=%ld\n", messages, seconds, cpu,
                peakKilobytes());
}

int scan(const QString& server, const QString& user, bool lockstep) {
    TmsRemotePOP pop;
    configure(pop, server, user, lockstep);
    const double cpu = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    double signedIn = 0, last = 0;
    pop.OnUpdatingInfo = [&](QObject*) { signedIn = wall.nsecsElapsed() / 1e9; };
    pop.OnNextInfoUpdated = [&](QObject*, int) { last = wall.nsecsElapsed() / 1e9; };
    pop.UpdateInfo();
    std::printf("signed_in=%.3f\nlast_row=%.3f\nlisting=%.3f\n", signedIn, last, last - signedIn);
    report(pop.RemoteInfo.Count(), wall.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
    return 0;
}

// Checks as a running program makes them, one after the other on the same
// client and cache: each reads the cache file while the client signs in
// (unless it holds what the check before wrote), lists, and writes the cache
// back when the listing changed it. Before each check but the first it prints
// "waiting=N" and waits for a line on standard input (time for the mailbox to
// change). Each check prints "round=N", then its figures: the whole check,
// the listing on its own (sign-in to last row), the wait for the cache's
// writing after it (which runs while the client signs off), and how many
// headers it downloaded.
int check(const QString& server, const QString& user, const QString& file, int rounds) {
    TmsRemotePOP pop;
    configure(pop, server, user, false);
    // Kept from check to check, as the program keeps it.
    HeaderCache cache({server, user, QStringLiteral("INBOX")});
    cache.setWriteBack(file);
    for (int round = 1; round <= rounds; ++round) {
        if (round > 1 && !awaitRound(round)) return 1;
        const double cpu = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        cache.loadInBackground(file);
        double signedIn = 0, last = 0;
        std::vector<HeaderCache::Entry> held; // what the cache held, once it is read
        pop.OnUpdatingInfo = [&](QObject*) { signedIn = wall.nsecsElapsed() / 1e9; };
        pop.OnNextInfoUpdated = [&](QObject*, int index) {
            if (index == 0) held = cache.entries();
            last = wall.nsecsElapsed() / 1e9;
        };
        pop.Cache = &cache;
        pop.UpdateInfo();
        pop.Cache = nullptr;
        const double listed = wall.nsecsElapsed() / 1e9;
        cache.finishWriting();
        const double seconds = wall.nsecsElapsed() / 1e9;
        QHash<QString, qint64> sizes;
        for (const HeaderCache::Entry& e : held)
            sizes.insert(e.Key, e.Size);
        int downloaded = 0;
        for (int i = 0; i < pop.RemoteInfo.Count(); ++i) {
            const TmsRemoteInfoItem& item = pop.RemoteInfo.Items(i);
            if (sizes.value(item.UID, -1) != item.Size) ++downloaded;
        }
        std::printf("round=%d\ndownloaded=%d\ncache_wait=%.3f\ncache_bytes=%lld\nsigned_in=%.3f\n"
                    "listing=%.3f\n",
                    round, downloaded, seconds - listed, QFileInfo(file).size(), signedIn,
                    last - signedIn);
        report(pop.RemoteInfo.Count(), seconds, cpuSeconds() - cpu);
        std::fflush(stdout);
    }
    return 0;
}

int remove(const QString& server, const QString& user, bool lockstep) {
    TmsRemotePOP pop;
    configure(pop, server, user, lockstep);
    pop.UpdateInfo();
    for (int i = 0; i < pop.RemoteInfo.Count(); i += 2)
        pop.MarkDelete(i);
    int deleted = 0;
    pop.OnDeleted = [&deleted](QObject*, int) { ++deleted; };
    const double cpu = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    pop.TransferData();
    report(deleted, wall.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
    return 0;
}

// Counts what an IMAP client announces.
struct Counted : MailClientListener {
    QElapsedTimer* wall = nullptr;
    double signedIn = 0, last = 0;
    int moved = 0;
    void listing() override { signedIn = wall->nsecsElapsed() / 1e9; }
    void listed(int, int) override { last = wall->nsecsElapsed() / 1e9; }
    void removed(int) override { ++moved; }
};

void configure(ImapClient& client, const QString& server, const QString& user) {
    MailAccount account;
    account.Server = server;
    account.UserName = user;
    account.Password = qEnvironmentVariable("QUILL_BENCH_PASSWORD");
    account.Security = MailSecurity::None;
    account.Protocol = MailProtocol::Imap;
    client.setAccount(account);
    client.setTimeOut(60);
}

int imapScan(const QString& server, const QString& user) {
    ImapClient client;
    configure(client, server, user);
    QElapsedTimer wall;
    Counted counted;
    counted.wall = &wall;
    client.setListener(&counted);
    const double cpu = cpuSeconds();
    wall.start();
    client.list();
    std::printf("signed_in=%.3f\nlast_row=%.3f\nlisting=%.3f\n", counted.signedIn, counted.last,
                counted.last - counted.signedIn);
    report(client.count(), wall.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
    return 0;
}

// IMAP checks as a running program makes them, with a header cache kept from
// check to check (see check, whose lines it prints).
int imapCheck(const QString& server, const QString& user, const QString& file, int rounds) {
    ImapClient client;
    configure(client, server, user);
    HeaderCache cache({server, user, QStringLiteral("imap:INBOX")});
    cache.setWriteBack(file);
    for (int round = 1; round <= rounds; ++round) {
        if (round > 1 && !awaitRound(round)) return 1;
        const double cpu = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        cache.loadInBackground(file);
        // What the cache held, read once it is (before the listing renews it).
        struct Held : Counted {
            HeaderCache* cache = nullptr;
            QHash<QString, qint64> sizes;
            void listed(int index, int total) override {
                if (index == 0)
                    for (const HeaderCache::Entry& e : cache->entries())
                        sizes.insert(e.Key, e.Size);
                Counted::listed(index, total);
            }
        } counted;
        counted.wall = &wall;
        counted.cache = &cache;
        client.setListener(&counted);
        client.setHeaderCache(&cache);
        client.list();
        client.setHeaderCache(nullptr);
        client.setListener(nullptr);
        const double listed = wall.nsecsElapsed() / 1e9;
        cache.finishWriting();
        const double seconds = wall.nsecsElapsed() / 1e9;
        int downloaded = 0;
        for (int i = 0; i < client.count(); ++i)
            if (counted.sizes.value(client.uid(i), -1) != client.size(i)) ++downloaded;
        std::printf("round=%d\ndownloaded=%d\ncache_wait=%.3f\ncache_bytes=%lld\nsigned_in=%.3f\n"
                    "listing=%.3f\n",
                    round, downloaded, seconds - listed, QFileInfo(file).size(), counted.signedIn,
                    counted.last - counted.signedIn);
        report(client.count(), seconds, cpuSeconds() - cpu);
        std::fflush(stdout);
    }
    return 0;
}

int imapMove(const QString& server, const QString& user) {
    ImapClient client;
    configure(client, server, user);
    client.setKeepConnection(true);
    client.list();
    QList<int> marked;
    for (int i = 0; i < client.count(); i += 2)
        marked << i;
    QElapsedTimer wall;
    Counted counted;
    counted.wall = &wall;
    client.setListener(&counted);
    const double cpu = cpuSeconds();
    wall.start();
    client.remove(marked);
    report(counted.moved, wall.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
    return 0;
}

int stall(int seconds) {
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost, 0);
    QList<QTcpSocket*> accepted; // kept open, never answered
    QObject::connect(&silent, &QTcpServer::newConnection,
                     [&] { accepted << silent.nextPendingConnection(); });
    TagSocket client;
    client.Server = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    client.setTimeOut(seconds);
    client.ResetState();
    client.Open();
    client.ConnectSocket();
    const double cpu = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QString line;
    try {
        client.ReadReplyLine(line);
    } catch (const ETimedOutError&) {
    }
    std::printf("stall_seconds=%.3f\nstall_cpu=%.4f\n", wall.nsecsElapsed() / 1e9,
                cpuSeconds() - cpu);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        const bool lockstep = args.size() == 5 && args[4] == QLatin1String("lockstep");
        if ((args.size() == 4 || lockstep) && args[1] == QLatin1String("scan"))
            return scan(args[2], args[3], lockstep);
        if ((args.size() == 4 || lockstep) && args[1] == QLatin1String("delete"))
            return remove(args[2], args[3], lockstep);
        if ((args.size() == 5 || args.size() == 6) && args[1] == QLatin1String("check"))
            return check(args[2], args[3], args[4], args.value(5, QStringLiteral("1")).toInt());
        if (args.size() == 3 && args[1] == QLatin1String("stall")) return stall(args[2].toInt());
        if (args.size() == 4 && args[1] == QLatin1String("imap-scan"))
            return imapScan(args[2], args[3]);
        if ((args.size() == 5 || args.size() == 6) && args[1] == QLatin1String("imap-check"))
            return imapCheck(args[2], args[3], args[4], args.value(5, QStringLiteral("1")).toInt());
        if (args.size() == 4 && args[1] == QLatin1String("imap-move"))
            return imapMove(args[2], args[3]);
    } catch (const Exception& e) {
        std::fprintf(stderr, "mailscan: %s\n", e.what());
        return 1;
    }
    std::fprintf(
        stderr,
        "usage: mailscan scan|delete <server> <user> [lockstep] | mailscan imap-scan|imap-move "
        "<server> <user> | mailscan check|imap-check <server> <user> <cache file> [rounds] | "
        "mailscan stall <seconds>\n");
    return 2;
}
