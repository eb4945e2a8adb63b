#pragma once

#include <QString>
#include <optional>

// The protocol a mailbox is reached by.
enum class MailProtocol { Pop3, Imap };
// The word in the settings tree and on the command line: "pop3", "imap".
QString protocolWord(MailProtocol protocol);
// The name a person reads: "POP3", "IMAP".
QString protocolName(MailProtocol protocol);
// The protocol a word names (without regard to case); nothing for any other word.
std::optional<MailProtocol> protocolFromWord(const QString& word);

// What becomes of a message removed from an IMAP folder: moved into the Junk
// folder (where a mistake can still be undone), or deleted for good.
enum class SpamAction { Move, Delete };
// "move", "delete"; and back (without regard to case).
QString spamActionWord(SpamAction action);
std::optional<SpamAction> spamActionFromWord(const QString& word);
