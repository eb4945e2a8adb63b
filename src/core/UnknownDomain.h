#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class SpamSettings;
class TmsHeaders;
class TmsMXResolver;

// What a DNS look-up of a domain's mail exchangers told.
enum class MxAnswer {
    Exists,       // the server answered for the domain, with or without exchangers
    NoSuchDomain, // the server said the name does not exist, or it cannot be a name
    NoMail,       // the domain's only exchanger is the null MX: it takes no mail
    Failed,       // the server failed, refused or answered unreadably
    Unreachable,  // no answer at all: time-out, no network, socket failure
};

// Asks the DNS about a domain's mail exchangers.
class MxLookup {
public:
    virtual ~MxLookup() = default;
    // One look-up of domain, as written.
    virtual MxAnswer lookup(const QString& domain) = 0;
    // Ends a look-up under way at once (its answer: Unreachable).
    virtual void cancel() {}
};

// MxLookup over the UDP resolver, using its server, port and time-out as set.
class ResolverMxLookup : public MxLookup {
public:
    explicit ResolverMxLookup(TmsMXResolver& resolver) : m_resolver(resolver) {}
    // Sets the resolver's Domain, runs Resolve and sorts its outcome.
    MxAnswer lookup(const QString& domain) override;
    void cancel() override;

private:
    TmsMXResolver& m_resolver;
};

// The check whether the domain of a message's reply address exists. Verdicts are
// kept for the run: a domain found or found missing is never asked again. A
// look-up that gave no verdict is kept only until the next check begins, and
// once the DNS could not be reached at all, no further domain is asked until then.
class UnknownDomainCheck {
public:
    UnknownDomainCheck(MxLookup& lookup, SpamSettings& settings)
        : m_lookup(lookup), m_settings(settings) {}

    // A mail check starts: domains without a verdict may be asked again.
    void beginCheck();

    // True when the domain is unknown: it does not exist or takes no mail. The
    // first time a domain is found so, the settings' unknown-domain counter rises.
    bool qUnknownDomain(const QString& domain);

    // Checks the Reply-to domain of the header, or the From domain when there is
    // no Reply-to address. On a match, deleteFlag is the settings' choice of the
    // check mark and reasonName reads "Reply to or From (domain) ".
    bool CheckDomain(const TmsHeaders& headers, bool& deleteFlag, QString& reasonName);

    // The domains found to exist / to be unknown this run, in lower case, in the
    // order found.
    const QStringList& lbOkDomains() const { return m_okList; }
    const QStringList& lbBadDomains() const { return m_badList; }

private:
    MxLookup& m_lookup;
    SpamSettings& m_settings;
    QStringList m_okList, m_badList;
    QSet<QString> m_ok, m_bad;
    QSet<QString> m_undetermined; // asked this check without a verdict
    bool m_unreachable = false;   // the DNS gave no answer this check
};

// The domain of an address: the part after its first "@", or the whole address.
QString DomainOfAddress(const QString& address);
