// Attachment items: the content type from a file name and the transfer
// encoding that type implies.
#include "mail/headers/Attachments.h"

#include <QtTest>

class TestAttachments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileNameSetsTypeAndKind_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<int>("kind");

        QTest::newRow("zip-base64") << "x.zip"
                                    << "x.zip"
                                    << "application/zip" << 1;
        QTest::newRow("text-upper-case-extension") << "NOTES.TXT"
                                                   << "NOTES.TXT"
                                                   << "text/plain" << 2;
        QTest::newRow("html-quoted-printable") << "dir/page.htm"
                                               << "dir/page.htm"
                                               << "text/html" << 2;
        QTest::newRow("message-not-encoded") << "mail.eml"
                                             << "mail.eml"
                                             << "message/rfc822" << 0;
        QTest::newRow("unknown-extension") << "a.unknownext"
                                           << "a.unknownext"
                                           << "application/octet-stream" << 1;
        QTest::newRow("no-extension") << "archive"
                                      << "archive"
                                      << "application/octet-stream" << 1;
        QTest::newRow("dot-only-in-the-folder") << "notes.d/archive"
                                                << "notes.d/archive"
                                                << "application/octet-stream" << 1;
        // A name from a message once crashed the type lookup.
        QTest::newRow("nul-characters-left-out")
            << QStringLiteral("r") + QString(19, QChar(0)) + QStringLiteral(".txt") << "r.txt"
            << "text/plain" << 2;
        QTest::newRow("line-ends-and-escapes-left-out") << "a\r\nb\x1b[31m.zip\x7f"
                                                        << "ab[31m.zip"
                                                        << "application/zip" << 1;
        QTest::newRow("nothing-but-controls") << QString(3, QChar(0)) << ""
                                              << "" << 0;
    }

    void fileNameSetsTypeAndKind() {
        QFETCH(QString, fileName);
        QFETCH(QString, stored);
        QFETCH(QString, contentType);
        QFETCH(int, kind);
        if (!contentType.isEmpty()) QCOMPARE(ContentTypeOfFile(fileName), contentType);
        TmsAttItem item;
        item.setFileName(fileName);
        QCOMPARE(item.FileName(), stored);
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
