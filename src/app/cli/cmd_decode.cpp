// quillmere-cli decode: a stored message file as the body viewer decodes it.
#include "CliCommand.h"
#include "mail/message/Message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
struct CliDecode {
    Q_DECLARE_TR_FUNCTIONS(CliDecode)
};

// "Name <address>", or the address alone when there is no name.
QString senderText(const TmsMailAddress& sender) {
    if (sender.Name.isEmpty()) return sender.Address;
    return sender.Name + QStringLiteral(" <") + sender.Address + u'>';
}

void printText(const TmsMessage& m) {
    QTextStream& out = cliOut();
    out << CliDecode::tr("Subject: %1").arg(m.Subject) << '\n'
        << CliDecode::tr("Sender: %1").arg(senderText(m.Sender)) << '\n'
        << CliDecode::tr("Content type: %1").arg(m.ContentType) << '\n'
        << CliDecode::tr("Character set: %1").arg(CharSetName(m.CharSet)) << '\n'
        << CliDecode::tr("Encoding: %1").arg(EncodingName(m.Encoding)) << '\n'
        << '\n';
    for (const QString& line : m.Body)
        out << line << '\n';
    if (m.Attachments.Count() > 0) out << '\n';
    for (int i = 0; i < m.Attachments.Count(); ++i) {
        const TmsAttItem* a = m.Attachments.Items(i);
        out << CliDecode::tr("Attachment: %1 (%2, kind %3, %4 bytes)")
                   .arg(a->FileName(), a->ContentType, QString::number(int(a->Kind)),
                        QString::number(a->Data.size()))
            << '\n';
    }
}

void printJson(const TmsMessage& m) {
    QJsonArray attachments;
    for (int i = 0; i < m.Attachments.Count(); ++i) {
        const TmsAttItem* a = m.Attachments.Items(i);
        attachments.append(QJsonObject{{"name", a->FileName()},
                                       {"contentType", a->ContentType},
                                       {"kind", int(a->Kind)},
                                       {"size", qint64(a->Data.size())}});
    }
    const QJsonObject o{
        {"subject", m.Subject},
        {"sender", senderText(m.Sender)},
        {"contentType", m.ContentType},
        {"charset", CharSetName(m.CharSet)},
        {"encoding", EncodingName(m.Encoding)},
        {"body", QJsonArray::fromStringList(m.Body)},
        {"attachments", attachments},
    };
    cliOut() << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

int runDecode(const QStringList& args) {
    bool json = false;
    QString file;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (arg.startsWith(QLatin1Char('-')) || !file.isEmpty())
            return cliUsage("decode");
        else
            file = arg;
    }
    if (file.isEmpty()) return cliUsage("decode");

    TmsMessage message;
    message.LoadFromFile(file); // a failure reaches main(), which prints its text
    if (json)
        printJson(message);
    else
        printText(message);
    return ExitOk;
}

const CliCommand decode("decode", QT_TRANSLATE_NOOP("CliCommand", "FILE [--json]"),
                        QT_TRANSLATE_NOOP("CliCommand",
                                          "Decodes a stored message file as the body viewer does: "
                                          "subject, sender, content type, character set and "
                                          "encoding markers, the body lines and one line per "
                                          "attachment"),
                        runDecode);

} // namespace
