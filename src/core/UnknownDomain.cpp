#include "core/UnknownDomain.h"

#include "core/TextTests.h"
#include "mail/Exceptions.h"
#include "mail/dns/DnsMessage.h"
#include "mail/dns/MXResolver.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "rules/SpamSettings.h"

#include <QCoreApplication>

namespace {
constexpr int NoSuchDomainText = 57019; // "Domain name does not exist"

QString addressDomain(const QString& fieldValue) {
    QString address, name;
    SplitMailAddress(fieldValue, address, name);
    return DomainOfAddress(address);
}
} // namespace

QString DomainOfAddress(const QString& address) {
    const qsizetype at = address.indexOf(u'@');
    return at < 0 ? address : address.mid(at + 1);
}

void ResolverMxLookup::cancel() {
    m_resolver.Cancel();
}

MxAnswer ResolverMxLookup::lookup(const QString& domain) {
    // A name the DNS cannot even carry (an empty label, a label over 63 bytes)
    // names no domain.
    try {
        EncodeDomainName(domain);
    } catch (const EResolverError&) {
        return MxAnswer::NoSuchDomain;
    }
    m_resolver.Domain = domain;
    try {
        m_resolver.Resolve();
    } catch (const ETimedOutError&) {
        return MxAnswer::Unreachable;
    } catch (const ECanceledError&) {
        return MxAnswer::Unreachable; // the user canceled the check: ask nothing more in it
    } catch (const ESocketError&) {
        return MxAnswer::Unreachable;
    } catch (const EResolverError& e) {
        return e.message() == LibraryText(NoSuchDomainText).english() ? MxAnswer::NoSuchDomain
                                                                      : MxAnswer::Failed;
    } catch (const Exception&) {
        return MxAnswer::Failed;
    }
    return m_resolver.MXList.IsNullMX() ? MxAnswer::NoMail : MxAnswer::Exists;
}

void UnknownDomainCheck::beginCheck() {
    m_undetermined.clear();
    m_unreachable = false;
}

bool UnknownDomainCheck::qUnknownDomain(const QString& domain) {
    const QString key = LowerAscii(domain);
    if (m_ok.contains(key)) return false;
    if (m_bad.contains(key)) return true;
    if (m_undetermined.contains(key) || m_unreachable) return false;

    switch (m_lookup.lookup(domain)) {
    case MxAnswer::Exists:
        m_ok.insert(key);
        m_okList.append(key);
        return false;
    case MxAnswer::NoSuchDomain:
    case MxAnswer::NoMail:
        m_bad.insert(key);
        m_badList.append(key);
        m_settings.bumpUnknown();
        return true;
    case MxAnswer::Unreachable:
        m_unreachable = true;
        [[fallthrough]];
    case MxAnswer::Failed:
        m_undetermined.insert(key);
        return false;
    }
    return false;
}

bool UnknownDomainCheck::CheckDomain(const TmsHeaders& headers, bool& deleteFlag,
                                     QString& reasonName) {
    deleteFlag = m_settings.Known.Question;
    const QString replyDomain = addressDomain(headers.GetFieldValue(QStringLiteral("Reply-to")));
    const QString domain = !replyDomain.isEmpty()
                               ? replyDomain
                               : addressDomain(headers.GetFieldValue(QStringLiteral("From")));
    if (domain.isEmpty()) return false;
    if (!qUnknownDomain(domain)) return false;
    reasonName = QCoreApplication::translate("Classifier", "Reply to or From (%1) ").arg(domain);
    return true;
}
