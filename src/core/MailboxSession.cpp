// One mailbox slot's session: the slot, the client, the rows and their marks.
#include "core/MailboxSession.h"

#include "core/UnknownDomain.h"
#include "mail/Exceptions.h"
#include "mail/imap/ImapClient.h"
#include "mail/oauth/OAuth2Flow.h"
#include "mail/pop3/Pop3Client.h"
#include "settings/Prompter.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QScopeGuard>

// The client's announcements, turned into rows and the session's signals.
class MailboxSession::Events : public MailClientListener {
public:
    explicit Events(MailboxSession& s) : m_s(s) {}

    void opening() override { Q_EMIT m_s.opening(); }
    void listing() override { Q_EMIT m_s.listing(); }
    void listed(int index, int total) override {
        // Row i is message i: a row out of step (the list was emptied by a
        // cancel meanwhile) is never added, so that no row names another message.
        if (index != m_s.m_rows.size()) return;
        m_s.m_rows.append(
            messageRowFor(m_s.m_client->headers(index), m_s.m_client->size(index), m_dateFormat));
        Q_EMIT m_s.rowAppended(index);
        Q_EMIT m_s.checking(index, total);
        m_s.classify(index);
        if (index < m_s.m_rows.size()) Q_EMIT m_s.rowChanged(index);
    }
    void listEnded() override {
        m_s.classify(-1);
        Q_EMIT m_s.rowsChanged();
        Q_EMIT m_s.listEnded(m_s.m_client->count());
    }
    void transferring() override { Q_EMIT m_s.transferring(); }
    void transferred() override { Q_EMIT m_s.transferred(); }
    void removing(int index) override {
        Q_EMIT m_s.deleting(index, ++m_s.m_deleteDone, m_s.m_deleteTotal);
    }
    void removed(int index) override {
        // Recorded before anything is committed; a record that fails ends the
        // session without committing.
        if (m_s.m_record && *m_s.m_record) (*m_s.m_record)(index);
        ++m_s.m_accepted;
        Q_EMIT m_s.deleted(index);
    }
    void removeRefused(int index) override { Q_EMIT m_s.deleteRefused(index); }
    void fetching(int index) override { Q_EMIT m_s.fetching(index); }
    void fetched(int index) override { Q_EMIT m_s.fetched(index); }
    void closing() override { Q_EMIT m_s.closing(); }
    void closed() override { Q_EMIT m_s.closed(); }
    void canceled() override {
        if (m_s.m_refreshStop) m_s.m_refreshStop->stop();
        Q_EMIT m_s.canceled();
    }
    // The client's announcement carries the English words only; the session
    // announces the failure as it is raised (see announcingFailure), with the
    // words of the user's language beside them.
    void failed(QString&) override {}

    // How the rows of the listing under way write their dates.
    QString m_dateFormat;

private:
    MailboxSession& m_s;
};

MailboxSession::MailboxSession(SpamSettings& settings, const Blacklist& known,
                               UnknownDomainCheck* domains, const LearnedFilter* learned,
                               Prompter& prompter, std::unique_ptr<MailClient> client,
                               QObject* parent)
    : QObject(parent), m_prompter(prompter), m_events(std::make_unique<Events>(*this)),
      m_domains(domains) {
    m_classifier = std::make_unique<Classifier>(
        m_rows, [this](int i) -> const TmsHeaders& { return m_client->headers(i); }, settings,
        known, domains, learned);
    takeClient(client ? std::move(client) : std::make_unique<Pop3Client>());
}

void MailboxSession::takeClient(std::unique_ptr<MailClient> client) {
    if (m_client) m_client->setListener(nullptr); // its closing is nobody's news
    m_client = std::move(client);
    m_client->setListener(m_events.get());
    m_client->setTimeOut(m_timeOut);
    m_client->setDialLink(m_dialLink);
    m_client->setAccessTokenSource([this](bool renew) { return accessToken(renew); });
}

MailboxSession::~MailboxSession() {
    // Nothing may call back into a session that is going.
    m_client->setListener(nullptr);
}

SecretAccess MailboxSession::secretAccess() const {
    // Nobody may be at the desktop to answer the keyring's unlock prompt.
    return m_mode == RunMode::Interactive ? SecretAccess::MayPrompt : SecretAccess::NeverPrompt;
}

// --- The slot ------------------------------------------------------------------------

std::optional<RemotePOPLoad> MailboxSession::read(int n) const {
    return LoadRemotePOPSettings(n, m_prompter, secretAccess());
}

void MailboxSession::use(int n, const RemotePOPLoad& load) {
    const MailboxConfig& box = load.mailbox;
    MailAccount account;
    account.Server = box.Server;
    account.UserName = box.UserName;
    // A password that could not be read is cleared, never kept from the slot
    // held before: that one belongs to another server.
    account.Password = load.passwordRead ? box.Password : QString();
    account.SignIn = box.SignIn;
    account.Security = box.Security;
    account.TrustedFingerprint = box.TrustedCert;
    account.Protocol = box.Protocol;
    account.Folder = box.Folder;
    account.Action = box.Action;
    account.JunkFolder = box.JunkFolder;
    const bool sameMailbox = account.Server.compare(m_account.Server, Qt::CaseInsensitive) == 0 &&
                             account.UserName == m_account.UserName &&
                             account.Protocol == m_account.Protocol &&
                             account.Folder == m_account.Folder;
    if (!sameMailbox) {
        clearRows();
        m_cache.reset();
    }
    // The client speaks the slot's protocol: another one is made for another.
    if (m_client->protocol() != account.Protocol) {
        if (account.Protocol == MailProtocol::Imap)
            takeClient(std::make_unique<ImapClient>());
        else
            takeClient(std::make_unique<Pop3Client>());
    }
    m_client->setAccount(account);
    m_account = account;
    m_oauth2 = box.OAuth2;
    m_cacheHeaders = box.CacheHeaders;
    m_cacheMailbox = box.cacheMailbox();
    m_cacheFile = box.headerCacheFile();
    m_secretError = load.secretError;
    m_slot = n;
}

bool MailboxSession::load(int n) {
    const std::optional<RemotePOPLoad> loaded = read(n);
    if (!loaded) return false;
    use(n, *loaded);
    return true;
}

void MailboxSession::trustCertificate(const QString& fingerprint) {
    SettingsStore::tree().WriteString(QStringLiteral("Server"),
                                      MailboxConfig::trustedCertIdent(m_slot), fingerprint);
    m_account.TrustedFingerprint = fingerprint;
    m_client->setAccount(m_account);
}

// --- Connection ------------------------------------------------------------------------

void MailboxSession::setDialLink(TagDialLink* link) {
    m_dialLink = link;
    m_client->setDialLink(link);
}

void MailboxSession::setTimeOut(int seconds) {
    m_timeOut = seconds;
    m_client->setTimeOut(seconds);
}

void MailboxSession::signOff() {
    m_client->signOff();
}

void MailboxSession::cancel() {
    m_client->cancel(); // stops a token renewal too (Events::canceled)
    if (m_listing) clearRows();
}

// --- Rows and marks ------------------------------------------------------------------------

int MailboxSession::markedCount() const {
    int n = 0;
    for (const MessageRow& row : m_rows)
        if (isMarked(row.Mark)) ++n;
    return n;
}

const TmsHeaders& MailboxSession::headers(int index) const {
    return m_client->headers(index);
}

void MailboxSession::clearRows() {
    m_classifier->forgetScores();
    if (m_rows.isEmpty()) return;
    m_rows.clear();
    Q_EMIT rowsReset();
}

void MailboxSession::toggleMarks(const QList<int>& indexes) {
    for (int i : indexes) {
        if (i < 0 || i >= m_rows.size()) continue;
        MarkState& mark = m_rows[i].Mark;
        mark = isMarked(mark) ? NoMark : CheckMark;
        Q_EMIT rowChanged(i);
    }
}

void MailboxSession::clearMarks() {
    for (MessageRow& row : m_rows)
        row.Mark = NoMark;
}

void MailboxSession::classify(int index) {
    m_classifier->MarkForDeletion(index);
}

Classifier::Explanation MailboxSession::explain(int index) {
    return m_classifier->explain(index);
}

// --- Operations --------------------------------------------------------------------------------

template <class Body> auto MailboxSession::announcingFailure(Body&& body) {
    try {
        return body();
    } catch (const Exception& e) {
        // Every failure is announced once, whether it comes from the
        // connection or not (a token that cannot be had, a locked keyring, a
        // record that cannot be written).
        Q_EMIT failed(e.text());
        throw;
    }
}

void MailboxSession::check(int ruleSlot, bool keep) {
    announcingFailure([&] { checkNow(ruleSlot, keep); });
}

void MailboxSession::checkNow(int ruleSlot, bool keep) {
    m_client->setKeepConnection(keep);
    clearRows();
    if (m_domains) m_domains->beginCheck();
    m_classifier->MailboxSlot = ruleSlot;
    // Every check is a session of its own: one kept open since the last check
    // (which has no deletion pending) is signed off first.
    if (m_client->connected()) m_client->signOff();
    // A keyring that may not be asked here (it is locked) fails this mailbox
    // as a failed connection would.
    if (!m_secretError.isEmpty()) throw ESecretStoreError(m_secretError);
    m_listing = true;
    const auto done = qScopeGuard([this] { m_listing = false; });
    listNow();
}

void MailboxSession::refresh() {
    announcingFailure([&] { listNow(); });
}

void MailboxSession::listNow() {
    clearRows();
    m_events->m_dateFormat = listDateFormat();
    // Read while the client signs in (unless the file holds what this session
    // wrote there last), written when the listing changed it while the client
    // signs off and the rows are classified, and whole when this returns. A
    // cache that cannot be written costs the next check its downloads, nothing
    // else.
    HeaderCache* cache = openHeaderCache();
    m_client->setHeaderCache(cache);
    const auto detach = qScopeGuard([this] { m_client->setHeaderCache(nullptr); });
    try {
        m_client->list();
    } catch (...) {
        m_cache.reset(); // read again next time
        throw;
    }
    if (cache) cache->finishWriting();
}

HeaderCache* MailboxSession::openHeaderCache() {
    if (!m_cacheAllowed || m_cacheFile.isEmpty()) return nullptr;
    if (!m_cacheHeaders) {
        // Switched off: no headers of this mailbox stay behind.
        m_cache.reset();
        QFile::remove(m_cacheFile);
        return nullptr;
    }
    if (!m_cache || m_cache->mailbox() != HeaderCache(m_cacheMailbox).mailbox()) {
        m_cache = std::make_unique<HeaderCache>(m_cacheMailbox);
        m_cache->setWriteBack(m_cacheFile);
    }
    m_cache->loadInBackground(m_cacheFile);
    return m_cache.get();
}

DeletionOutcome MailboxSession::deleteMarked(const std::function<void(int index)>& record) {
    DeletionOutcome outcome;
    QList<int> marked;
    for (int i = 0; i < m_rows.size() && i < m_client->count(); ++i)
        if (isMarked(m_rows[i].Mark)) marked << i;
    outcome.Marked = markedCount();
    m_deleteTotal = outcome.Marked;
    m_deleteDone = 0;
    m_accepted = 0;
    m_record = &record;
    const auto done = qScopeGuard([this] { m_record = nullptr; });
    announcingFailure([&] { m_client->remove(marked); });
    outcome.Accepted = m_accepted;
    outcome.Refused = outcome.Marked - m_accepted;
    outcome.Note = m_client->removalNoteText();
    return outcome;
}

QByteArray MailboxSession::fetch(int index) {
    if (index < 0 || index >= m_client->count()) return {};
    return announcingFailure([&] { return m_client->fetch(index); });
}

// --- OAuth2
// ---------------------------------------------------------------------------------------

namespace {

// Answers of a token endpoint that a new sign-in mends: the grant expired or
// was revoked, or the application's registration no longer fits.
bool needsNewSignIn(const QString& providerText) {
    static const QStringList codes = {
        QStringLiteral("invalid_grant"),       QStringLiteral("invalid_client"),
        QStringLiteral("unauthorized_client"), QStringLiteral("invalid_scope"),
        QStringLiteral("invalid_request"),     QStringLiteral("unsupported_grant_type")};
    const QString code = providerText.section(QLatin1Char(':'), 0, 0).trimmed();
    return codes.contains(code);
}

} // namespace

QString MailboxSession::accessToken(bool renew) {
    // Cancel ends the wait for the provider as it ends the wait for the server.
    OAuth2RefreshStop stop;
    m_refreshStop = &stop;
    const auto forget = qScopeGuard([this] { m_refreshStop = nullptr; });
    return SlotAccessToken(m_slot, m_account, m_oauth2, secretAccess(), renew, &stop);
}

QString SlotAccessToken(int n, const MailAccount& account, const OAuth2Settings& settings,
                        SecretAccess access, bool renew, OAuth2RefreshStop* stop) {
    // "Mailbox 2 (name): what went wrong. Sign in again ...".
    const auto failure = [&](const TrText& what, bool signInAgain = true) {
        TrText text =
            TrText::translate("MailboxSession", "Mailbox %1 (%2): ").arg(n).arg(account.UserName) +
            what;
        if (signInAgain)
            text = text +
                   TrText::translate("MailboxSession", " Sign in again in the mailbox's details.");
        return text;
    };
    // A locked keyring that may not be asked fails with the store's own text.
    std::optional<OAuth2Tokens> tokens = ReadOAuth2Tokens(n, access);
    if (!tokens || tokens->isEmpty())
        throw EOAuth2Error(
            failure(TrText::translate("MailboxSession", "the mailbox has no OAuth2 sign-in yet.")));
    const auto withdrawn = [&](const QString& providerText) {
        return EOAuth2Error(
            failure(TrText::translate("MailboxSession",
                                      "the OAuth2 sign-in has expired or was withdrawn (%1).")
                        .arg(providerText)));
    };
    // A provider that refused these tokens is not asked again: only a new
    // sign-in helps.
    if (!tokens->Refused.isEmpty()) throw withdrawn(tokens->Refused);
    // Tokens granted for another protocol's scope (a mailbox switched from POP3
    // to IMAP) open nothing here; those stored before the scope was kept were
    // granted for POP3.
    OAuth2Settings pop3 = settings;
    pop3.Protocol = MailProtocol::Pop3;
    const QString granted = tokens->Scope.isEmpty() ? pop3.effective().Scope : tokens->Scope;
    if (granted != settings.effective().Scope)
        throw EOAuth2Error(
            failure(TrText::translate("MailboxSession",
                                      "the OAuth2 sign-in was granted for %1, not for %2.")
                        .arg(granted == pop3.effective().Scope
                                 ? TrText::plain(QStringLiteral("POP3"))
                                 : TrText::translate("MailboxSession", "another scope"),
                             TrText::plain(protocolName(account.Protocol)))));
    if (!renew && !tokens->needsRefresh(QDateTime::currentDateTimeUtc(), 60))
        return tokens->AccessToken;
    if (tokens->RefreshToken.isEmpty())
        throw EOAuth2Error(failure(TrText::translate(
            "MailboxSession",
            "the OAuth2 access token has expired and the provider gave no refresh token.")));
    OAuth2Tokens renewed;
    try {
        renewed = RefreshOAuth2Tokens(settings, *tokens, 30000, stop);
    } catch (const EOAuth2Error& e) {
        if (needsNewSignIn(e.message())) {
            // Kept with the tokens, so that nobody takes them for a sign-in
            // that still works.
            tokens->Refused = e.message();
            try {
                StoreOAuth2Tokens(n, *tokens);
            } catch (const Exception&) {
                // The refusal is reported either way; the next check asks again.
            }
            throw withdrawn(e.message());
        }
        // The provider could not be asked: the sign-in itself may be fine.
        throw EOAuth2Error(
            failure(TrText::translate("MailboxSession", "the OAuth2 token could not be renewed: ") +
                        e.text(),
                    false));
    } catch (const ETimedOutError&) {
        throw ETimedOutError(failure(
            TrText::translate("MailboxSession", "the OAuth2 provider did not answer in time."),
            false));
    }
    // A provider may hand out a new refresh token and withdraw the old one:
    // the new pair is stored before the token is used.
    StoreOAuth2Tokens(n, renewed);
    if (stop && stop->stopped()) throw ECanceledError(LibraryText(57001));
    return renewed.AccessToken;
}
