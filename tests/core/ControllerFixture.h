#pragma once

// The main controller over scripted surroundings: a window that records what it
// was asked and answers the mailbox choice from a script, a sound and a shell
// that record, a DNS that knows every domain, and a private profile.
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "core/UnknownDomain.h"
#include "settings/MailboxConfig.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"
#include "support/servers/DovecotServer.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class ScriptedMainView : public MainView {
public:
    bool visible = false;
    bool tray = true;
    bool statisticsOpen = false;
    // Answers of the mailbox choice, in turn; without one the preselected entry.
    QList<int> choices;
    QList<QStringList> choiceEntries;
    QList<int> choicePreselected;
    // Run while the general settings dialog is "open".
    std::function<void()> onGeneralSettings;
    QStringList calls; // "show", "hide", "close", "terminate", "general", ...
    QList<QStringList> texts;

    bool MainWindowVisible() const override { return visible; }
    void ShowApplication() override {
        visible = true;
        calls << QStringLiteral("show");
    }
    void HideApplication() override {
        visible = false;
        calls << QStringLiteral("hide");
    }
    void CloseMainWindow() override {
        visible = false;
        calls << QStringLiteral("close");
    }
    void Terminate() override { calls << QStringLiteral("terminate"); }
    bool SystemTrayAvailable() const override { return tray; }
    int ChooseMailbox(const QStringList& entries, int preselected) override {
        choiceEntries << entries;
        choicePreselected << preselected;
        return choices.isEmpty() ? preselected : choices.takeFirst();
    }
    void ShowGeneralSettings() override {
        calls << QStringLiteral("general");
        if (onGeneralSettings) onGeneralSettings();
    }
    // Run while the spam settings dialog is "open".
    std::function<void()> onSpamSettings;
    void ShowSpamSettings() override {
        calls << QStringLiteral("spam");
        if (onSpamSettings) onSpamSettings();
    }
    void ShowStatistics() override { calls << QStringLiteral("statistics"); }
    bool StatisticsOpen() const override { return statisticsOpen; }
    void ShowAbout() override { calls << QStringLiteral("about"); }
    void ShowTextWindow(TextKind kind, const QStringList& lines) override {
        texts << lines;
        textKinds << kind;
    }
    QList<TextKind> textKinds;
    // The mark-for-deletion dialog: what it was offered, and how it is answered
    // (Cancel without a script).
    QList<SpamRuleOffer> offers;
    std::function<bool(SpamRuleOffer&)> onMarkForDeletion;
    bool ShowMarkForDeletion(SpamRuleOffer& offer) override {
        offers << offer;
        return onMarkForDeletion && onMarkForDeletion(offer);
    }
};

class ScriptedSound : public AlarmSound {
public:
    QStringList events;
    void Play(const QString& file, bool loop) override {
        events << QStringLiteral("play %1 %2").arg(file, loop ? "looping" : "once");
    }
    void Stop() override { events << QStringLiteral("stop"); }
    void Beep() override { events << QStringLiteral("beep"); }
};

class ScriptedShell : public Shell {
public:
    bool works = true;
    QStringList documents, programs;
    bool OpenDocument(const QString& path) override {
        documents << path;
        return works;
    }
    bool StartProgram(const QString& path) override {
        programs << path;
        return works;
    }
};

// Every domain exists, so no test waits for a real DNS.
class KnownDomains : public MxLookup {
public:
    MxAnswer lookup(const QString&) override { return MxAnswer::Exists; }
};

// A message for the test server.
inline QByteArray mail(const QByteArray& id, const QByteArray& subject,
                       const QByteArray& from = "Ann Example <ann@example.org>",
                       const QByteArray& date = "Mon, 5 Feb 2024 10:00:00 +0100") {
    return "From: " + from + "\nTo: tester@localhost\nMessage-ID: <" + id +
           "@example.org>\nSubject: " + subject + "\nDate: " + date + "\n\nHello.\n";
}

// Six messages that markingRules-style rules mark in every way: none, check,
// question, blacklist (bad.test, with markedKnownList), exception (good.test)
// and one with an unreadable date.
inline QList<QByteArray> markedMessages() {
    return {
        mail("a", "Hello there"),
        mail("b", "Cheap pills"),
        mail("c", "A maybe offer"),
        mail("d", "Quarterly report", "Bob <bob@bad.test>"),
        mail("e", "pills from a friend", "friend@good.test"),
        mail("f", "Undated", "ann@example.org", "sometime soon"),
    };
}

// The blacklist that goes with markedMessages.
inline const QByteArray markedKnownList = "bad.test\r\n";


// A private profile with a controller over the scripted surroundings.
struct Harness {
    TempProfile profile;
    ScriptedPrompter prompter;
    ScriptedMainView view;
    ScriptedSound sound;
    ScriptedShell shell;
    KnownDomains dns;
    std::unique_ptr<MainController> controller;

    Harness() {
        // The store is current: passwords stored here are kept.
        SettingsStore::tree().WriteString(QStringLiteral("Server"), QStringLiteral("Version161"),
                                          QStringLiteral("161"));
    }

    // Stores mailbox slot n as the general settings would, in plain text
    // (the test servers offer no TLS) unless security says otherwise.
    static void slot(int n, const QString& server, const QString& user,
                     const QString& password = QStringLiteral("secret"),
                     MailSecurity security = MailSecurity::None) {
        MailboxConfig{server, user, password, security}.store(n);
    }
    static void setGeneral(const QString& ident, const QString& value) {
        SettingsStore::tree().WriteString(QStringLiteral("General"), ident, value);
    }

    // Creates the controller and runs its start-up.
    MainController& start() {
        controller = std::make_unique<MainController>(view, prompter, sound, shell, &dns);
        controller->FormCreate();
        controller->setNetworkTimeOut(20);
        return *controller;
    }

    QStringList subjects() const {
        QStringList out;
        for (const MessageRow& row : controller->rows())
            out << row.Subject;
        return out;
    }
    QList<int> marks() const {
        QList<int> out;
        for (const MessageRow& row : controller->rows())
            out << int(row.Mark);
        return out;
    }
    // The lines of the activity log.
    QStringList logLines() const {
        QFile f(controller->logPath());
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    QStringList logLinesStartingWith(const QString& prefix) const {
        QStringList out;
        for (const QString& line : logLines())
            if (line.startsWith(prefix)) out << line;
        return out;
    }
};
