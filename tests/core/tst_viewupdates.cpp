// How often a check announces itself to the windows: a long check against a
// scripted server is announced in batches (rows inserted in order, in a few
// insertions; the state a bounded number of times), and what is announced at
// its end, and before a box opens in the middle of it, is the state as it is.
#include "ControllerFixture.h"
#include "core/MessageListModel.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QtTest>

namespace {
// LIST n and TOP n 1 for messages first to last; every pauseEvery-th reply
// arrives in two parts 60 ms apart, longer than a batch waits.
Pop3Script scan(int first, int last, int pauseEvery = 0) {
    Pop3Script script;
    for (int i = first; i <= last; ++i) {
        const QByteArray n = QByteArray::number(i);
        ScriptStep top{"TOP " + n + " 1",
                       "+OK\r\nFrom: ann" + n + "@example.org\r\nSubject: message " + n +
                           "\r\nDate: Mon, 5 Feb 2024 10:00:00 +0100\r\n\r\nHello.\r\n.\r\n"};
        if (pauseEvery > 0 && i % pauseEvery == 0) {
            top.pieces = 2;
            top.gapMs = 60;
        }
        script << ScriptStep{"LIST " + n, "+OK " + n + " 100\r\n"} << top;
    }
    return script;
}

// Records what the windows are told: every state announced, the row batches,
// and whether the list had every row whenever the state was announced.
struct Announcements {
    QList<MainViewState> states;
    QList<std::pair<int, int>> batches;
    bool rowsBeforeState = true;

    Announcements(MainController& c, const MessageListModel& model) {
        QObject::connect(&c, &MainController::stateChanged, [this, &c, &model] {
            states << c.state();
            rowsBeforeState = rowsBeforeState && model.rowCount() == c.rows().size();
        });
        QObject::connect(&c, &MainController::rowsAppended, [this](int first, int last) {
            batches << std::pair{first, last};
        });
    }
};

// A prompter that notes, at each box, whether the windows were told everything.
class WitnessPrompter : public ScriptedPrompter {
public:
    std::function<bool()> upToDate;
    QList<bool> atBox;
    Answer message(const QString& text, Icon icon, Buttons buttons) override {
        atBox << upToDate();
        return ScriptedPrompter::message(text, icon, buttons);
    }
};
} // namespace

class TestViewUpdates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLongCheckIsAnnouncedInBatches() {
        constexpr int Count = 400;
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 400 40000") +
                                  scan(1, Count, 100));
        Harness h;
        Harness::slot(1, server.server(), QStringLiteral("tester"));
        MainController& c = h.start();
        MessageListModel model(c);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Announcements seen(c, model);

        QElapsedTimer clock;
        clock.start();
        QVERIFY(c.btListClick());
        const qint64 elapsed = clock.elapsed();

        // At most one announcement a batch interval beside the few changes of
        // face, however many rows arrive meanwhile.
        const qint64 bound = 25 + elapsed / MainController::DrawIntervalMs;
        const QString counts = QStringLiteral("%1 batches, %2 states in %3 ms")
                                   .arg(seen.batches.size())
                                   .arg(seen.states.size())
                                   .arg(elapsed);
        QVERIFY2(seen.batches.size() <= bound, qPrintable(counts));
        QVERIFY2(seen.states.size() <= bound, qPrintable(counts));
        QVERIFY2(seen.batches.size() >= 4, "the pauses let a batch out while rows arrive");

        // Every row, in order: the batches follow one another.
        QCOMPARE(model.rowCount(), Count);
        QCOMPARE(seen.batches.first().first, 0);
        QCOMPARE(seen.batches.last().second, Count - 1);
        for (qsizetype b = 1; b < seen.batches.size(); ++b)
            QCOMPARE(seen.batches[b].first, seen.batches[b - 1].second + 1);
        QCOMPARE(model.index(Count - 1, MessageListModel::SubjectColumn).data().toString(),
                 QStringLiteral("message 400"));

        // Each state after the rows it goes with; the last one is the state.
        QVERIFY(seen.rowsBeforeState);
        QVERIFY(seen.states.last() == c.state());
        QCOMPARE(seen.states.last().StatusText,
                 QStringLiteral("Message Total: 400 Number Marked: 0"));
        QVERIFY(!seen.states.last().Progress.Visible);
        QVERIFY(seen.states.last().RowButtonsVisible);
    }

    // The server fails in the middle of a check: the box opens over the window
    // as it stands (the rows so far and the failure in the status), not over
    // the last batch.
    void aBoxOpensOverTheWindowAsItStands() {
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 3 300") + scan(1, 2) +
                                  Pop3Script{{"LIST 3", "-ERR no such message\r\n"}});
        Harness h;
        Harness::slot(1, server.server(), QStringLiteral("tester"));
        WitnessPrompter prompter;
        MainController c(h.view, prompter, h.sound, h.shell, &h.dns);
        c.FormCreate();
        c.setNetworkTimeOut(20);
        MessageListModel model(c);
        Announcements seen(c, model);
        prompter.upToDate = [&] {
            return !seen.states.isEmpty() && seen.states.last() == c.state() &&
                   model.rowCount() == c.rows().size();
        };

        QVERIFY(!c.btListClick());

        QCOMPARE(prompter.atBox, QList<bool>{true});
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(seen.states.last() == c.state());
    }
};

QTEST_GUILESS_MAIN(TestViewUpdates)
#include "tst_viewupdates.moc"
