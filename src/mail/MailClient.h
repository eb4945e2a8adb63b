#pragma once

#include "mail/MailProtocol.h"
#include "mail/TrText.h"
#include "mail/headers/Headers.h"
#include "mail/oauth/OAuth2.h"
#include "mail/transport/MailSecurity.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class HeaderCache;
class TagDialLink;

// The mailbox a client signs in to.
struct MailAccount {
    QString Server; // as the user wrote it: host, host:port or scheme://host:port
    QString UserName;
    QString Password; // sent only to the server; never shown
    MailSignIn SignIn = MailSignIn::Password;
    MailSecurity Security = MailSecurity::StartTlsRequired;
    // The SHA-256 fingerprint of a certificate trusted although it fails
    // verification; empty: none.
    QString TrustedFingerprint;
    // IMAP: the folder checked, what a removal does, and the folder spam is
    // moved into (empty: the one the server marks as Junk, else "Junk" or
    // "Spam", else "Junk" made at the first move). POP3 reaches only its inbox.
    MailProtocol Protocol = MailProtocol::Pop3;
    QString Folder = QStringLiteral("INBOX");
    SpamAction Action = SpamAction::Move;
    QString JunkFolder;

    bool operator==(const MailAccount&) const = default;
};

// What a mail client announces while it works. Every call comes from inside one
// of the client's operations; the defaults do nothing.
class MailClientListener {
public:
    virtual ~MailClientListener() = default;

    // A connection is being opened.
    virtual void opening() {}
    // Signed in; the listing starts.
    virtual void listing() {}
    // Message index of the listing has arrived; total messages wait.
    virtual void listed(int index, int total) {
        (void)index;
        (void)total;
    }
    // The listing is complete (and signed off unless the connection is kept).
    virtual void listEnded() {}
    // A fetch or a removal starts on the server, and has ended.
    virtual void transferring() {}
    virtual void transferred() {}
    // Message index is about to be removed.
    virtual void removing(int index) { (void)index; }
    // The server accepted the removal of message index; it takes effect when
    // the session is signed off. A listener that raises here ends the session
    // without signing off, so that the server keeps every message of it.
    virtual void removed(int index) { (void)index; }
    // The server refused to remove message index; it stays.
    virtual void removeRefused(int index) { (void)index; }
    // Message index is being downloaded whole, and has been.
    virtual void fetching(int index) { (void)index; }
    virtual void fetched(int index) { (void)index; }
    // The connection closes, and has closed.
    virtual void closing() {}
    virtual void closed() {}
    // The running operation was canceled.
    virtual void canceled() {}
    // An operation fails with text, which is raised next (the listener may
    // reword it).
    virtual void failed(QString& text) { (void)text; }
};

// What a mail check needs from a server, whatever the protocol: sign in with the
// account's method, list the waiting messages (position, unique id, size and
// header), fetch one message, remove a set of messages (each verified to be the
// one listed), sign off, cancel. Positions are 0-based, in the server's order of
// the last listing. Every wait runs the event loop; failures raise the mail
// library's exceptions after they were announced through failed().
class MailClient {
public:
    virtual ~MailClient() = default;

    // Who hears the announcements; null for nobody.
    virtual void setListener(MailClientListener* listener) = 0;
    // The mailbox of the next operations. A connection kept for another mailbox,
    // or under another protection, is dropped without signing off, and a listing
    // of another mailbox is forgotten.
    virtual void setAccount(const MailAccount& account) = 0;
    virtual const MailAccount& account() const = 0;
    // For OAuth2 sign-ins: gives the access token; renew is true when the server
    // has just rejected the one given before. Raises when none can be had.
    virtual void setAccessTokenSource(std::function<QString(bool renew)> source) = 0;
    // Seconds any one wait may last.
    virtual void setTimeOut(int seconds) = 0;
    // The dial-up link dialled before connecting; null for none.
    virtual void setDialLink(TagDialLink* link) = 0;
    // Whether a listing leaves the connection signed in (for a removal that follows).
    virtual void setKeepConnection(bool keep) = 0;
    // Whether a connection is open.
    virtual bool connected() const = 0;
    // The protocol the client speaks.
    virtual MailProtocol protocol() const = 0;
    // The header cache of the account's mailbox that the next listings read and
    // renew; null for none. A listing takes a message's header from the cache
    // when it holds the message's unique id with its size (for IMAP: its UID
    // under the same UIDVALIDITY; see ImapClient), and leaves it
    // holding exactly the messages listed; a fetch or a removal still verifies
    // each message against the server. A client that keeps no cache leaves it
    // as it was.
    virtual void setHeaderCache(HeaderCache* cache) { (void)cache; }

    // Signs in unless connected, replaces the listing with the server's, and
    // signs off unless the connection is kept.
    virtual void list() = 0;
    // The messages of the last listing.
    virtual int count() const = 0;
    // Message index of the listing: its unique id (empty when the server gives
    // none), its size in octets and its header lines.
    virtual QString uid(int index) const = 0;
    virtual qint64 size(int index) const = 0;
    virtual const TmsHeaders& headers(int index) const = 0;
    // Forgets the listing.
    virtual void forget() = 0;

    // Downloads message index whole, after making sure it is still the one
    // listed, and signs off; returns its bytes as the server sent them.
    virtual QByteArray fetch(int index) = 0;
    // Removes these messages of the listing, each after making sure it is
    // still the one listed, and signs off so that the server commits the
    // removals it accepted (announced through removed() and removeRefused()).
    virtual void remove(const QList<int>& indexes) = 0;
    // What the person should know about the last removal beyond its counts
    // (why removed messages are still to be seen in the folder, why some were
    // refused); empty when nothing.
    virtual QString removalNote() const { return {}; }
    // The same, in English and in the user's language.
    virtual TrText removalNoteText() const { return TrText::plain(removalNote()); }
    // Signs off a connection that is open.
    virtual void signOff() = 0;
    // Ends the running operation (or drops a kept connection) without signing off.
    virtual void cancel() = 0;
};
