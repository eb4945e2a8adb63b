#pragma once

#include "mail/Exceptions.h"
#include "mail/dns/MXResolver.h"

#include <QStringList>

// Runs Resolve and tells what came of it in one line: "10 a.example.; 20
// b.example." for the records in order (empty when there are none), or the
// failure's class and text, "EResolverError: Domain name does not exist".
inline QString resolveOutcome(TmsMXResolver& resolver) {
    try {
        resolver.Resolve();
    } catch (const ETimedOutError& e) {
        return QStringLiteral("ETimedOutError: ") + e.message();
    } catch (const ECanceledError& e) {
        return QStringLiteral("ECanceledError: ") + e.message();
    } catch (const ESocketError& e) {
        return QStringLiteral("ESocketError: ") + e.message();
    } catch (const EResolverError& e) {
        return QStringLiteral("EResolverError: ") + e.message();
    }
    QStringList records;
    for (int i = 0; i < resolver.MXList.Count(); ++i) {
        const TMXRec& rec = resolver.MXList.Items(i);
        records << QString::number(rec.Preference) + QLatin1Char(' ') + rec.Exchange;
    }
    return records.join(QStringLiteral("; "));
}
