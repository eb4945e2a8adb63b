// Encoding the question name, ordering the exchangers, the null MX and the
// default server address.
#include "mail/Exceptions.h"
#include "mail/dns/DnsMessage.h"
#include "mail/dns/MXResolver.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDnsMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodesDomainName_data() {
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QByteArray>("wire"); // expected bytes, or empty
        QTest::addColumn<QString>("failure"); // expected EResolverError text, or empty

        const QString label63(63, QLatin1Char('a'));
        const QString label64(64, QLatin1Char('a'));
        // 4 labels of 63 bytes: 4 * 64 + 1 = 257 bytes on the wire.
        const QString tooLong = QStringList(4, label63).join(QLatin1Char('.'));
        const QString longest =
            QStringList({label63, label63, label63, QString(61, QLatin1Char('b'))})
                .join(QLatin1Char('.'));

        QTest::newRow("two-labels") << "example.org"
                                    << QByteArray("\x07"
                                                  "example\x03org\x00",
                                                  13)
                                    << QString();
        QTest::newRow("single-label")
            << "localhost" << QByteArray("\x09localhost\x00", 11) << QString();
        QTest::newRow("case-kept") << "Mail.EXAMPLE"
                                   << QByteArray("\x04Mail\x07"
                                                 "EXAMPLE\x00",
                                                 14)
                                   << QString();
        QTest::newRow("trailing-dot-is-the-root") << "example.org."
                                                  << QByteArray("\x07"
                                                                "example\x03org\x00",
                                                                13)
                                                  << QString();
        QTest::newRow("international-label-as-punycode") << QStringLiteral("b\u00fccher.example")
                                                         << QByteArray("\x0dxn--bcher-kva\x07"
                                                                       "example\x00",
                                                                       23)
                                                         << QString();
        QTest::newRow("label-of-63-bytes")
            << label63 + QStringLiteral(".org")
            << QByteArray("\x3f") + label63.toLatin1() + QByteArray("\x03org\x00", 5) << QString();
        QTest::newRow("name-of-255-bytes") << longest << QByteArray() << QString();
        QTest::newRow("empty") << "" << QByteArray() << "No domain name to look up";
        QTest::newRow("root-alone") << "." << QByteArray() << "No domain name to look up";
        QTest::newRow("empty-label-inside")
            << "mail..example" << QByteArray()
            << "The domain name \"mail..example\" has an empty label";
        QTest::newRow("leading-dot")
            << ".example" << QByteArray() << "The domain name \".example\" has an empty label";
        QTest::newRow("label-of-64-bytes")
            << label64 + QStringLiteral(".org") << QByteArray()
            << QStringLiteral("The domain name \"%1.org\" has a label longer than 63 bytes")
                   .arg(label64);
        QTest::newRow("name-over-255-bytes")
            << tooLong << QByteArray()
            << QStringLiteral("The domain name \"%1\" is longer than 255 bytes").arg(tooLong);
    }

    void encodesDomainName() {
        QFETCH(QString, domain);
        QFETCH(QByteArray, wire);
        QFETCH(QString, failure);
        try {
            const QByteArray got = EncodeDomainName(domain);
            QVERIFY2(failure.isEmpty(), "encoded a name that should be refused");
            if (!wire.isEmpty()) QCOMPARE(got, wire);
            QVERIFY(got.size() <= 255);
            QCOMPARE(got.back(), '\0');
        } catch (const EResolverError& e) {
            QCOMPARE(e.message(), failure);
        }
    }

    void sortsByPreference_data() {
        QTest::addColumn<QStringList>("given"); // "preference exchange"
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("twenty-ten-thirty")
            << QStringList{"20 b.", "10 a.", "30 c."} << QStringList{"10 a.", "20 b.", "30 c."};
        QTest::newRow("descending")
            << QStringList{"30 c.", "20 b.", "10 a."} << QStringList{"10 a.", "20 b.", "30 c."};
        QTest::newRow("sorted-stays")
            << QStringList{"1 a.", "2 b.", "2 c."} << QStringList{"1 a.", "2 b.", "2 c."};
        // The lower record is swapped into place at once: the two 20s trade places.
        QTest::newRow("equal-preferences-swapped-past")
            << QStringList{"20 x.", "20 y.", "10 a."} << QStringList{"10 a.", "20 y.", "20 x."};
        QTest::newRow("highest-preference-65535")
            << QStringList{"65535 z.", "0 a."} << QStringList{"0 a.", "65535 z."};
        QTest::newRow("empty") << QStringList() << QStringList();
    }

    void sortsByPreference() {
        QFETCH(QStringList, given);
        QFETCH(QStringList, expected);
        TMXList list;
        for (const QString& row : given) {
            const QStringList parts = row.split(QLatin1Char(' '));
            list.Add({quint16(parts[0].toUInt()), parts[1]});
        }
        list.Sort();
        QStringList got;
        for (int i = 0; i < list.Count(); ++i)
            got << QString::number(list.Items(i).Preference) + QLatin1Char(' ') +
                       list.Items(i).Exchange;
        QCOMPARE(got, expected);
    }

    void recognisesNullMX_data() {
        QTest::addColumn<QList<TMXRec>>("records");
        QTest::addColumn<bool>("nullMX");

        QTest::newRow("root-exchange-preference-0") << QList<TMXRec>{{0, QString()}} << true;
        QTest::newRow("ordinary") << QList<TMXRec>{{0, QStringLiteral("mx.example.")}} << false;
        QTest::newRow("root-exchange-other-preference") << QList<TMXRec>{{10, QString()}} << false;
        QTest::newRow("root-beside-a-real-exchanger")
            << QList<TMXRec>{{0, QString()}, {10, QStringLiteral("mx.example.")}} << false;
        QTest::newRow("no-records") << QList<TMXRec>{} << false;
    }

    void recognisesNullMX() {
        QFETCH(QList<TMXRec>, records);
        QFETCH(bool, nullMX);
        TMXList list;
        for (const TMXRec& rec : records)
            list.Add(rec);
        QCOMPARE(list.IsNullMX(), nullMX);
    }

    void defaultServerComesFromResolvConf_data() {
        QTest::addColumn<QByteArray>("resolvConf"); // null: no such file
        QTest::addColumn<QString>("expected");

        const QString fallback = TmsMXResolver::FallbackDNSAddress();
        QTest::newRow("first-of-two")
            << QByteArray("nameserver 10.1.2.3\nnameserver 10.9.9.9\n") << "10.1.2.3";
        QTest::newRow("ipv6-passed-over")
            << QByteArray("nameserver ::1\nnameserver 192.0.2.7\n") << "192.0.2.7";
        QTest::newRow("comments-passed-over")
            << QByteArray("# nameserver 192.0.2.1\n; nameserver 192.0.2.2\nsearch lan\n"
                          "  nameserver\t192.0.2.8  # local cache\n")
            << "192.0.2.8";
        QTest::newRow("not-an-address") << QByteArray("nameserver dns.example\n") << fallback;
        QTest::newRow("no-nameserver")
            << QByteArray("search example.org\noptions ndots:1\n") << fallback;
        QTest::newRow("no-file") << QByteArray() << fallback;
    }

    void defaultServerComesFromResolvConf() {
        QFETCH(QByteArray, resolvConf);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("resolv.conf"));
        if (!resolvConf.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(resolvConf);
        }
        QCOMPARE(TmsMXResolver::DefaultDNSAddress(path), expected);
    }
};

QTEST_GUILESS_MAIN(TestDnsMessage)
#include "tst_dns_message.moc"
