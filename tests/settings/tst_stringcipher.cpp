// The password cipher: known outputs, the round trip of typed passwords, the
// two edge codes, and text that is not hexadecimal.
#include "mail/Exceptions.h"
#include "settings/StringCipher.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
const QByteArray Key("zoki");

QString run(TActionType action, const QString& input) {
    TStringCipher c;
    c.Key = PasswordCipherKey;
    c.Action = action;
    c.Input = input;
    c.Execute();
    return c.Output;
}
} // namespace

class TestStringCipher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void knownOutputs_data() {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("cipher");
        QTest::newRow("two-letters") << QByteArray("ab") << 10 << "0A111C";
        QTest::newRow("key-wraps-after-four") << QByteArray("abcde") << 10 << "0A111C14110C";
        QTest::newRow("sum-wraps-at-255") << QByteArray("d") << 200 << "C857";
        QTest::newRow("first-byte-zero-padded") << QByteArray("\0", 1) << 0 << "007A";
    }
    void knownOutputs() {
        QFETCH(QByteArray, plain);
        QFETCH(int, first);
        QFETCH(QString, cipher);
        QCOMPARE(TStringCipher::encipherBytes(Key, plain, first), cipher);
    }

    void typedPasswordsRoundTrip_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("three-letters") << "abc";
        QTest::newRow("one-char") << "x";
        QTest::newRow("spaces-and-symbols") << " p@ss w0rd!\"#$%&'()*+,-./ ";
        QTest::newRow("non-ascii") << QStringLiteral("pässwörd-€-Ωмир");
        QTest::newRow("beyond-the-bmp") << QStringLiteral("key-\U0001F511");
        QTest::newRow("long") << QString(300, QLatin1Char('Z'));
    }
    void typedPasswordsRoundTrip() {
        QFETCH(QString, password);
        for (int i = 0; i < 20; ++i) {
            const QString cipher = run(atEncryption, password);
            QCOMPARE(cipher.size(), 2 + 2 * password.toUtf8().size());
            QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(cipher).hasMatch());
            QCOMPARE(run(atDecryption, cipher), password);
        }
    }

    void emptyStaysEmpty() {
        QCOMPARE(run(atEncryption, QString()), QString());
        QCOMPARE(run(atDecryption, QString()), QString());
    }

    void outputDiffersFromRunToRun() {
        QSet<QString> seen;
        for (int i = 0; i < 32; ++i) {
            const QString cipher = run(atEncryption, QStringLiteral("abc"));
            QCOMPARE(cipher.size(), 8);
            seen.insert(cipher);
        }
        QVERIFY(seen.size() > 1);
    }

    void everyMiddleCodeAfterEveryCipherValue() {
        // Codes 1 to 254 come back whatever the cipher value before them.
        for (int r = 0; r <= 255; ++r)
            for (int p = 1; p <= 254; ++p) {
                const QByteArray plain(1, static_cast<char>(p));
                const QByteArray back =
                    TStringCipher::decipherBytes(Key, TStringCipher::encipherBytes(Key, plain, r));
                if (back != plain)
                    QFAIL(qPrintable(QStringLiteral("code %1 after %2").arg(p).arg(r)));
            }
    }

    void edgeCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("comesBack");
        QTest::newRow("0-becomes-255") << 0 << 10 << 255;
        QTest::newRow("255-after-255-becomes-0") << 255 << 255 << 0;
        QTest::newRow("255-after-other-stays") << 255 << 10 << 255;
    }
    void edgeCodes() {
        QFETCH(int, code);
        QFETCH(int, first);
        QFETCH(int, comesBack);
        const QByteArray plain(1, static_cast<char>(code));
        const QByteArray back =
            TStringCipher::decipherBytes(Key, TStringCipher::encipherBytes(Key, plain, first));
        QCOMPARE(back, QByteArray(1, static_cast<char>(comesBack)));
    }

    void lowerCaseHexIsAccepted() {
        QCOMPARE(run(atDecryption, QStringLiteral("0a111c")), QStringLiteral("ab"));
    }

    void notHexadecimalFails_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("bad-first-pair") << "ZZ11";
        QTest::newRow("bad-later-pair") << "0A111G";
        QTest::newRow("first-pair-only") << "0A";
        QTest::newRow("sign-in-pair") << "0A+1";
        QTest::newRow("space-in-pair") << "0A 1";
        QTest::newRow("plain-password") << "secret";
    }
    void notHexadecimalFails() {
        QFETCH(QString, input);
        QVERIFY_THROWS_EXCEPTION(EConvertError, run(atDecryption, input));
        // The failure text never repeats the stored text.
        try {
            run(atDecryption, input);
        } catch (const EConvertError& e) {
            QVERIFY(!e.message().contains(input));
        }
    }
};

QTEST_GUILESS_MAIN(TestStringCipher)
#include "tst_stringcipher.moc"
