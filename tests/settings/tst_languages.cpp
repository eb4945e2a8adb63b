// Which language the environment asks for.
#include "settings/Translations.h"

#include <QTest>

class TestLanguages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wantedLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("wanted");
        const QStringList de{"de_DE", "de"};
        QTest::newRow("LANG alone, encoding dropped") << "" << "" << "" << "de_DE.UTF-8" << de;
        QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "de_AT" << "fr_FR" << QStringList{"de_AT", "de"};
        QTest::newRow("LC_ALL over LC_MESSAGES") << "" << "fr_FR" << "de_DE" << "" << QStringList{"fr_FR", "fr"};
        QTest::newRow("modifier dropped") << "" << "" << "" << "de_DE.ISO-8859-15@euro" << de;
        QTest::newRow("LANGUAGE list first")
            << "fr:de_DE" << "" << "" << "it_IT.UTF-8" << QStringList{"fr", "de_DE", "de", "it_IT", "it"};
        QTest::newRow("English in LANGUAGE ends the list") << "en" << "" << "" << "de_DE.UTF-8" << QStringList{};
        QTest::newRow("English after a language") << "de:en_GB:fr" << "" << "" << "" << QStringList{"de"};
        QTest::newRow("C locale is English") << "" << "C.UTF-8" << "" << "de_DE" << QStringList{};
        QTest::newRow("nothing set") << "" << "" << "" << "" << QStringList{};
    }
    void wantedLanguages()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QStringList, wanted);
        const auto set = [](const char* name, const QString& value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value.toUtf8());
        };
        set("LANGUAGE", language);
        set("LC_ALL", lcAll);
        set("LC_MESSAGES", lcMessages);
        set("LANG", lang);
        QCOMPARE(Translations::wantedLanguages(), wanted);
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
