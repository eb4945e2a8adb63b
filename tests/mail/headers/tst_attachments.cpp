// Attachment items: the content type from a file name and the transfer
// encoding that type implies.
#include "mail/headers/Attachments.h"

#include <QtTest>

class TestAttachments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileNameSetsTypeAndKind_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<int>("kind");

        QTest::newRow("zip-base64") << "x.zip"
                                    << "application/zip" << 1;
        QTest::newRow("text-upper-case-extension") << "NOTES.TXT"
                                                   << "text/plain" << 2;
        QTest::newRow("html-quoted-printable") << "dir/page.htm"
                                               << "text/html" << 2;
        QTest::newRow("message-not-encoded") << "mail.eml"
                                             << "message/rfc822" << 0;
        QTest::newRow("unknown-extension") << "a.unknownext"
                                           << "application/octet-stream" << 1;
        QTest::newRow("no-extension") << "archive"
                                      << "application/octet-stream" << 1;
    }

    void fileNameSetsTypeAndKind() {
        QFETCH(QString, fileName);
        QFETCH(QString, contentType);
        QFETCH(int, kind);
        QCOMPARE(ContentTypeOfFile(fileName), contentType);
        TmsAttItem item;
        item.setFileName(fileName);
        QCOMPARE(item.FileName(), fileName);
        QCOMPARE(item.ContentType, contentType);
        QCOMPARE(int(item.Kind), kind);
    }

    void emptyNameChangesNothingElse() {
        TmsAttItem item;
        item.setFileName(QStringLiteral("x.zip"));
        item.Kind = TmsAttItem::KindQuotedPrintable;
        item.setFileName(QString());
        QCOMPARE(item.FileName(), QString());
        QCOMPARE(item.ContentType, QStringLiteral("application/zip"));
        QCOMPARE(int(item.Kind), int(TmsAttItem::KindQuotedPrintable));
    }

    void listCopiesTheBytes() {
        TmsAttList source;
        auto* item = new TmsAttItem;
        item->setFileName(QString(300, u'n') + ".txt");
        item->Data = "bytes";
        source.Add(item);
        QCOMPARE(item->FileName().size(), 255);

        TmsAttList copy;
        copy.Assign(source);
        item->Data = "changed";
        QCOMPARE(copy.Count(), 1);
        QCOMPARE(copy.Items(0)->Data, QByteArray("bytes"));
        QCOMPARE(copy.Items(0)->FileName(), item->FileName());
        QCOMPARE(copy.Items(0)->Kind, item->Kind);
    }
};

QTEST_GUILESS_MAIN(TestAttachments)
#include "tst_attachments.moc"
