// Reading lines from a memory stream in chunks.
#include "mail/transport/LineStream.h"

#include <QtTest>

class TestLineStream : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("crlf-lf-cr-mixed")
            << QByteArray("a\r\nb\nc\rd\r\n") << 16384 << QStringList{"a", "b", "c", "d"};
        QTest::newRow("last-line-without-end")
            << QByteArray("a\r\nlast") << 16384 << QStringList{"a", "last"};
        QTest::newRow("empty-lines-kept")
            << QByteArray("a\r\n\r\nb\r\n") << 16384 << QStringList{"a", "", "b"};
        QTest::newRow("lines-across-chunks")
            << QByteArray("first line\r\nsecond\r\nthird line\r\n") << 16
            << QStringList{"first line", "second", "third line"};
        QTest::newRow("line-longer-than-a-chunk-ends-reading")
            << QByteArray("a line longer than the chunk\r\nb\r\n") << 8 << QStringList{};
        QTest::newRow("empty-stream") << QByteArray() << 16384 << QStringList{};
        QTest::newRow("windows-1252-line")
            << QByteArray("caf\xe9\r\n") << 16384 << QStringList{u"café"_qs};
    }

    void readLine() {
        QFETCH(QByteArray, content);
        QFETCH(int, chunkSize);
        QFETCH(QStringList, lines);
        TLineStream stream;
        stream.ChunkSize = quint16(chunkSize);
        stream.write(content);
        for (int pass = 0; pass < 2; ++pass) { // Reset reads the same again
            stream.Reset();
            QStringList read;
            QString line;
            for (int guard = 0; guard < 100; ++guard) {
                stream.ReadLine(line);
                if (stream.Eof()) break;
                read << line;
            }
            QCOMPARE(read, lines);
            QCOMPARE(line, QString(4, QChar(0xFF)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLineStream)
#include "tst_linestream.moc"
