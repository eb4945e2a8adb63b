#pragma once

#include "mail/headers/OwnedList.h"

#include <QByteArray>
#include <QString>

// The MIME type of a file from its name's extension alone (control characters
// left out); "application/octet-stream" when it has none or an unknown one.
QString ContentTypeOfFile(const QString& FileName);

// One attachment: its bytes, name, type and transfer encoding.
class TmsAttItem {
public:
    // The transfer encodings of Kind.
    enum : quint8 { KindNone = 0, KindBase64 = 1, KindQuotedPrintable = 2 };

    QByteArray Data;
    QString ContentType;
    // 0 none, 1 base64 (or uuencode), 2 quoted-printable.
    quint8 Kind = KindNone;

    const QString& FileName() const { return m_fileName; }
    // Sets the name without its control characters, cut to 255 characters. A
    // non-empty name also sets ContentType from its extension and Kind from that
    // type: quoted-printable for plain text, rich text and HTML, none for a
    // message, base64 for the rest.
    void setFileName(const QString& FileName);

    // Copies all four fields, the bytes included.
    void Assign(const TmsAttItem& Source) { *this = Source; }

private:
    QString m_fileName;
};

// A list of attachments that owns them.
class TmsAttList : public TmsOwnedList<TmsAttItem> {};
