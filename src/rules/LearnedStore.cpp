#include "rules/LearnedStore.h"

#include "mail/Exceptions.h"
#include "settings/AppPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>
#include <atomic>

namespace {

constexpr int SchemaVersion = 1;
const QString Driver = QStringLiteral("QSQLITE");
constexpr QFileDevice::Permissions Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions Shared = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("quill-learned-%1").arg(++counter);
}

QByteArray packTokens(const QList<quint64>& tokens) {
    QByteArray bytes(tokens.size() * 8, Qt::Uninitialized);
    for (qsizetype i = 0; i < tokens.size(); ++i)
        qToLittleEndian(tokens[i], bytes.data() + i * 8);
    return bytes;
}

QList<quint64> unpackTokens(const QByteArray& bytes) {
    QList<quint64> tokens;
    tokens.reserve(bytes.size() / 8);
    for (qsizetype i = 0; i + 8 <= bytes.size(); i += 8)
        tokens.append(qFromLittleEndian<quint64>(bytes.constData() + i));
    return tokens;
}

// Runs a statement; throws with the database's text when it fails.
void exec(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) throw EFileError(q.lastError().text());
}
void exec(QSqlQuery& q) {
    if (!q.exec()) throw EFileError(q.lastError().text());
}

} // namespace

QString LearnedStore::defaultPath() {
    return AppPaths::appFile(QStringLiteral("learned.db"));
}

LearnedStore::LearnedStore(QString path) : m_path(std::move(path)) {}

LearnedStore::~LearnedStore() {
    closeConnection();
}

void LearnedStore::fail(const QString& why) const {
    throw EFileError(
        TrText::translate("LearnedStore",
                          "The learned database %1 cannot be read (%2): it is left as it "
                          "is, and nothing is learned or judged by it until it can be "
                          "read or you forget everything learned")
            .arg(m_path, why));
}

void LearnedStore::openConnection(bool create) {
    if (!m_connection.isEmpty()) return;
    if (!QSqlDatabase::isDriverAvailable(Driver))
        fail(QStringLiteral("the Qt SQLite driver is not installed (libqt6sql6-sqlite)"));
    if (create) {
        // Created private before SQLite writes anything into it.
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw EFileError(TrText::translate("LearnedStore", "Unable to write to %1: %2")
                                 .arg(m_path, file.errorString()));
        file.setPermissions(Private);
    } else if (QFileInfo(m_path).permissions() & Shared) {
        QFile::setPermissions(m_path, Private);
    }
    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(Driver, name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            fail(why);
        }
    }
    m_connection = name;
}

void LearnedStore::closeConnection() {
    if (m_connection.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

void LearnedStore::createSchema() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!db.transaction()) throw EFileError(db.lastError().text());
    try {
        exec(q, QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value INTEGER NOT NULL)"));
        exec(q, QStringLiteral("CREATE TABLE tokens (hash INTEGER PRIMARY KEY, spam INTEGER NOT "
                               "NULL, other INTEGER NOT NULL, seen INTEGER NOT NULL)"));
        exec(q, QStringLiteral("CREATE TABLE messages (id TEXT PRIMARY KEY, spam INTEGER NOT NULL, "
                               "step INTEGER NOT NULL, tokens BLOB NOT NULL)"));
        exec(q, QStringLiteral("INSERT INTO meta VALUES ('version', %1), ('spam', 0), "
                               "('other', 0), ('step', 0)")
                    .arg(SchemaVersion));
        if (!db.commit()) throw EFileError(db.lastError().text());
    } catch (...) {
        db.rollback();
        throw;
    }
}

LearnedData LearnedStore::load() {
    const QFileInfo file(m_path);
    const bool create = !file.exists();
    // An empty file is one this store made and did not get to fill.
    const bool empty = !create && file.isFile() && file.size() == 0;
    openConnection(create);
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    LearnedData data;
    try {
        if (create || empty) createSchema();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        exec(q, QStringLiteral("SELECT key, value FROM meta"));
        int version = 0;
        while (q.next()) {
            const QString key = q.value(0).toString();
            const qint64 value = q.value(1).toLongLong();
            if (key == QLatin1String("version"))
                version = int(value);
            else if (key == QLatin1String("spam"))
                data.spam = quint32(value);
            else if (key == QLatin1String("other"))
                data.other = quint32(value);
            else if (key == QLatin1String("step"))
                data.step = quint32(value);
        }
        if (version != SchemaVersion)
            throw EFileError(version > SchemaVersion
                                 ? QStringLiteral("it was written by a newer Quillmere")
                                 : QStringLiteral("it holds no learned counts"));
        exec(q, QStringLiteral("SELECT hash, spam, other, seen FROM tokens"));
        while (q.next())
            data.tokens.insert(quint64(q.value(0).toLongLong()),
                               {quint32(q.value(1).toLongLong()), quint32(q.value(2).toLongLong()),
                                quint32(q.value(3).toLongLong())});
        exec(q, QStringLiteral("SELECT id, spam, step FROM messages"));
        while (q.next())
            data.messages.insert(q.value(0).toString(),
                                 {q.value(1).toBool(), quint32(q.value(2).toLongLong())});
    } catch (const EFileError& e) {
        db = QSqlDatabase(); // the connection goes only once nothing holds it
        closeConnection();
        fail(e.message());
    }
    return data;
}

QList<quint64> LearnedStore::messageTokens(const QString& id) {
    if (m_connection.isEmpty()) return {};
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT tokens FROM messages WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next()) return {};
    return unpackTokens(q.value(0).toByteArray());
}

void LearnedStore::apply(const LearnedChange& change) {
    if (m_connection.isEmpty())
        throw EFileError(TrText::translate("LearnedStore", "%1 is not open").arg(m_path));
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const auto failWrite = [this](const QString& why) {
        throw EFileError(
            TrText::translate("LearnedStore", "Unable to write to %1: %2").arg(m_path, why));
    };
    if (!db.transaction()) failWrite(db.lastError().text());
    try {
        QSqlQuery put(db), drop(db);
        put.prepare(QStringLiteral("INSERT OR REPLACE INTO tokens VALUES (?, ?, ?, ?)"));
        drop.prepare(QStringLiteral("DELETE FROM tokens WHERE hash = ?"));
        for (auto it = change.tokens.cbegin(); it != change.tokens.cend(); ++it) {
            const LearnedTokenCounts& c = it.value();
            if (c.spam == 0 && c.other == 0) {
                drop.addBindValue(qint64(it.key()));
                exec(drop);
                continue;
            }
            put.addBindValue(qint64(it.key()));
            put.addBindValue(qint64(c.spam));
            put.addBindValue(qint64(c.other));
            put.addBindValue(qint64(c.seen));
            exec(put);
        }
        QSqlQuery forget(db);
        forget.prepare(QStringLiteral("DELETE FROM messages WHERE id = ?"));
        for (const QString& id : change.forgotten) {
            forget.addBindValue(id);
            exec(forget);
        }
        QSqlQuery learn(db);
        learn.prepare(QStringLiteral("INSERT OR REPLACE INTO messages VALUES (?, ?, ?, ?)"));
        for (const LearnedChange::Message& m : change.learned) {
            learn.addBindValue(m.id);
            learn.addBindValue(m.info.spam ? 1 : 0);
            learn.addBindValue(qint64(m.info.step));
            learn.addBindValue(packTokens(m.tokens));
            exec(learn);
        }
        QSqlQuery meta(db);
        meta.prepare(QStringLiteral("UPDATE meta SET value = ? WHERE key = ?"));
        for (const auto& [key, value] :
             {std::pair{"spam", change.spam}, std::pair{"other", change.other},
              std::pair{"step", change.step}}) {
            meta.addBindValue(qint64(value));
            meta.addBindValue(QString::fromLatin1(key));
            exec(meta);
        }
        if (!db.commit()) throw EFileError(db.lastError().text());
    } catch (const EFileError& e) {
        db.rollback();
        failWrite(e.message());
    }
}

void LearnedStore::reset() {
    closeConnection();
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        const QString file = m_path + QLatin1String(suffix);
        if (QFileInfo::exists(file) && !QFile::remove(file))
            throw EFileError(
                TrText::translate("LearnedStore", "Unable to write to %1: it cannot be removed")
                    .arg(file));
    }
    load();
}
