#pragma once

#include "mail/Exceptions.h"
#include "mail/pop3/RemotePOP.h"

#include <QStringList>

// Records every event of a POP3 client by name, in order.
struct PopEvents {
    QStringList events;

    void attach(TmsRemotePOP& pop) {
        pop.OnOpen = [this](QObject*) { events << "open"; };
        pop.OnClosing = [this](QObject*) { events << "closing"; };
        pop.OnClosed = [this](QObject*) { events << "closed"; };
        pop.OnCancel = [this](QObject*) { events << "cancel"; };
        pop.OnError = [this](QObject*, QString& m) { events << "error: " + m; };
        pop.OnUpdatingInfo = [this](QObject*) { events << "updating"; };
        pop.OnNextInfoUpdated = [this](QObject*, int n) {
            events << QStringLiteral("next %1").arg(n);
        };
        pop.OnInfoUpdated = [this](QObject*) { events << "updated"; };
        pop.OnTransferringData = [this](QObject*) { events << "transferring"; };
        pop.OnDataTransfered = [this](QObject*) { events << "transfered"; };
        pop.OnRetrieving = [this](QObject*, int n) {
            events << QStringLiteral("retrieving %1").arg(n);
        };
        pop.OnRetrieved = [this](QObject*, int n) {
            events << QStringLiteral("retrieved %1").arg(n);
        };
        pop.OnDeleting = [this](QObject*, int n) {
            events << QStringLiteral("deleting %1").arg(n);
        };
        pop.OnDeleted = [this](QObject*, int n) { events << QStringLiteral("deleted %1").arg(n); };
        pop.OnDeleteRefused = [this](QObject*, int n) {
            events << QStringLiteral("refused %1").arg(n);
        };
    }
};

// The class and message of a failure, "EServerError: -ERR no" (or "none").
template <class Operation> QString failureOf(Operation&& operation) {
    try {
        operation();
    } catch (const EServerError& e) {
        return "EServerError: " + e.message();
    } catch (const ESocketError& e) {
        return "ESocketError: " + e.message();
    } catch (const ETimedOutError& e) {
        return "ETimedOutError: " + e.message();
    } catch (const ECanceledError& e) {
        return "ECanceledError: " + e.message();
    } catch (const EConvertError& e) {
        return "EConvertError: " + e.message();
    } catch (const Exception& e) {
        return "Exception: " + e.message();
    }
    return QStringLiteral("none");
}
