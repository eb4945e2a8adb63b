#pragma once

#include <QHash>
#include <QList>
#include <QString>

// How often a token was seen in the messages learned as spam and as other mail,
// and the learning step that last counted it.
struct LearnedTokenCounts {
    quint32 spam = 0;
    quint32 other = 0;
    quint32 seen = 0;
};

// One learned message: how it was learned and in which step.
struct LearnedMessageInfo {
    bool spam = false;
    quint32 step = 0;
};

// Everything the database holds but the per-message token lists.
struct LearnedData {
    QHash<quint64, LearnedTokenCounts> tokens;
    QHash<QString, LearnedMessageInfo> messages;
    quint32 spam = 0;  // messages learned as spam
    quint32 other = 0; // messages learned as other mail
    quint32 step = 0;  // learning steps so far
};

// One learning step as the database applies it, in one transaction.
struct LearnedChange {
    QHash<quint64, LearnedTokenCounts> tokens; // the new counts; both zero removes the token
    struct Message {
        QString id;
        LearnedMessageInfo info;
        QList<quint64> tokens;
    };
    QList<Message> learned; // added or replaced
    QStringList forgotten;  // message records removed
    quint32 spam = 0, other = 0, step = 0;
};

// The learned counts in an SQLite database (through Qt SQL), private to the
// user (mode 0600). A file that cannot be opened or read is reported and left
// exactly as it is; only reset() replaces it.
class LearnedStore {
public:
    // "learned.db" in the application folder.
    static QString defaultPath();

    explicit LearnedStore(QString path);
    ~LearnedStore();
    LearnedStore(const LearnedStore&) = delete;
    LearnedStore& operator=(const LearnedStore&) = delete;

    const QString& path() const { return m_path; }

    // Opens the database and reads all but the per-message token lists; a
    // missing file becomes a new, empty database. Throws EFileError naming the
    // file and the reason; the file is then not touched.
    LearnedData load();
    // The tokens stored for a learned message; empty when it has none.
    QList<quint64> messageTokens(const QString& id);
    // Applies one learning step in one transaction: all of it or, with
    // EFileError, nothing.
    void apply(const LearnedChange& change);
    // Replaces the file with a new, empty database (the user asked to forget).
    // Throws EFileError when that fails.
    void reset();

private:
    void openConnection(bool create);
    void closeConnection();
    void createSchema();
    [[noreturn]] void fail(const QString& why) const;

    QString m_path;
    QString m_connection; // the Qt SQL connection's name, empty while closed
};
