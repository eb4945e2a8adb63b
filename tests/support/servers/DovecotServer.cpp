#include "support/servers/DovecotServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

DovecotServer::DovecotServer(bool tls) : m_tls(tls) {}

DovecotServer::~DovecotServer() {
    stop();
}

bool DovecotServer::runScript(const QStringList& args, const QByteArray& input, QByteArray* output,
                              QString* error) {
    QProcess p;
    p.start(QStringLiteral("bash"), QStringList{QStringLiteral(QUILL_DOVECOT_SCRIPT)} + args);
    if (!p.waitForStarted()) {
        *error = p.errorString();
        return false;
    }
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    if (output) *output = p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

bool DovecotServer::run(const QStringList& args, const QByteArray& input, QByteArray* output) {
    return runScript(args, input, output, &m_error);
}

bool DovecotServer::makeCertificate(const QString& folder, QSslCertificate* certificate,
                                    QSslKey* key) {
    QString error;
    if (!runScript({QStringLiteral("cert"), folder}, {}, nullptr, &error)) return false;
    QFile cert(folder + QStringLiteral("/cert.pem"));
    QFile pem(folder + QStringLiteral("/key.pem"));
    if (!cert.open(QIODevice::ReadOnly) || !pem.open(QIODevice::ReadOnly)) return false;
    *certificate = QSslCertificate(&cert);
    *key = QSslKey(&pem, QSsl::Ec);
    return !certificate->isNull() && !key->isNull();
}

bool DovecotServer::start() {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    QStringList args{QStringLiteral("start"), m_dir.path(), QStringLiteral("--owner"),
                     QString::number(QCoreApplication::applicationPid())};
    if (m_tls) args << QStringLiteral("--tls");
    if (!m_oauth2.isEmpty()) args << QStringLiteral("--oauth2") << m_oauth2;
    QByteArray out;
    if (!run(args, {}, &out)) return false;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("port="))
            m_port = quint16(line.mid(5).toUInt());
        else if (line.startsWith("tlsport="))
            m_tlsPort = quint16(line.mid(8).toUInt());
        else if (line.startsWith("imapport="))
            m_imapPort = quint16(line.mid(9).toUInt());
        else if (line.startsWith("imapsport="))
            m_imapsPort = quint16(line.mid(10).toUInt());
    }
    m_running = true;
    return m_port != 0;
}

void DovecotServer::stop() {
    if (m_running) run({QStringLiteral("stop"), m_dir.path()});
    m_running = false;
}

bool DovecotServer::addUser(const QString& user, const QString& password) {
    return run({QStringLiteral("add-user"), m_dir.path(), user, password});
}

bool DovecotServer::addMessage(const QString& user, const QByteArray& message) {
    return run({QStringLiteral("add-message"), m_dir.path(), user}, message);
}

QString DovecotServer::mailbox(const QList<QByteArray>& messages) {
    const QString user = QStringLiteral("box%1").arg(++m_mailboxes);
    if (!addUser(user, QStringLiteral("secret"))) qFatal("%s", qPrintable(m_error));
    for (const QByteArray& m : messages)
        if (!addMessage(user, m)) qFatal("%s", qPrintable(m_error));
    return user;
}

QStringList DovecotServer::messageIds(const QString& user, const QString& folder) const {
    QStringList ids;
    for (const QByteArray& m : messages(user, folder)) {
        const qsizetype at = m.indexOf("Message-ID: <");
        ids << QString::fromLatin1(m.mid(at + 13, m.indexOf('@', at) - at - 13));
    }
    return ids;
}

QList<QByteArray> DovecotServer::messages(const QString& user, const QString& folder) const {
    QStringList files;
    // Maildir++: a folder other than the inbox is a hidden folder of its own.
    const QString maildir = m_dir.path() + QStringLiteral("/mail/") + user +
                            QStringLiteral("/Maildir/") +
                            (folder.isEmpty() ? QString() : u'.' + folder + u'/');
    for (const char* sub : {"new", "cur"}) {
        QDir d(maildir + QLatin1String(sub));
        for (const QString& name : d.entryList(QDir::Files))
            files << d.filePath(name);
    }
    // Names begin with the delivery time and a counter: their order is the delivery order.
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('/'), -1) < b.section(QLatin1Char('/'), -1);
    });
    QList<QByteArray> result;
    for (const QString& f : files) {
        QFile file(f);
        if (file.open(QIODevice::ReadOnly)) result << file.readAll();
    }
    return result;
}

QString DovecotServer::server() const {
    return QStringLiteral("localhost:%1").arg(m_port);
}

QString DovecotServer::secureServer() const {
    return QStringLiteral("pop3s://localhost:%1").arg(m_tlsPort);
}

QString DovecotServer::imapServer() const {
    return QStringLiteral("localhost:%1").arg(m_imapPort);
}

QString DovecotServer::secureImapServer() const {
    return QStringLiteral("imaps://localhost:%1").arg(m_imapsPort);
}

QList<QSslCertificate> DovecotServer::certificates() const {
    return QSslCertificate::fromPath(m_dir.path() + QStringLiteral("/cert.pem"));
}
