#pragma once

#include "mail/Exceptions.h"
#include "mail/imap/ImapClient.h"

#include <QStringList>

// Records every announcement of a mail client by name, in order.
struct ClientEvents : MailClientListener {
    QStringList events;
    // Raised by removed() for this index, as a log that cannot be written does.
    int failRecordAt = -1;

    void opening() override { events << "open"; }
    void listing() override { events << "listing"; }
    void listed(int index, int total) override {
        events << QStringLiteral("listed %1/%2").arg(index).arg(total);
    }
    void listEnded() override { events << "list ended"; }
    void transferring() override { events << "transferring"; }
    void transferred() override { events << "transferred"; }
    void removing(int index) override { events << QStringLiteral("removing %1").arg(index); }
    void removed(int index) override {
        if (index == failRecordAt) throw EFileError(QStringLiteral("Unable to write to log"));
        events << QStringLiteral("removed %1").arg(index);
    }
    void removeRefused(int index) override { events << QStringLiteral("refused %1").arg(index); }
    void fetching(int index) override { events << QStringLiteral("fetching %1").arg(index); }
    void fetched(int index) override { events << QStringLiteral("fetched %1").arg(index); }
    void closing() override { events << "closing"; }
    void closed() override { events << "closed"; }
    void canceled() override { events << "canceled"; }
    void failed(QString& text) override { events << "error: " + text; }
};

// The class and message of a failure, "EServerError: A1 NO ..." (or "none").
template <class Operation> QString failureOf(Operation&& operation) {
    try {
        operation();
    } catch (const EServerError& e) {
        return "EServerError: " + e.message();
    } catch (const ETimedOutError& e) {
        return "ETimedOutError: " + e.message();
    } catch (const ESocketError& e) {
        return "ESocketError: " + e.message();
    } catch (const Exception& e) {
        return "Exception: " + e.message();
    }
    return QStringLiteral("none");
}
