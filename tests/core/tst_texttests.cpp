// The text tests behind every rule: the conditions, whole words and their
// delimiters, blank and numeric text, and ASCII-only case folding.
#include "core/TextTests.h"

#include <QtTest>

namespace {
void row(const char* name, const QString& condition, const QString& text, const QString& match,
         bool caseSensitive, bool expected) {
    QTest::newRow(name) << condition << text << match << caseSensitive << expected;
}
} // namespace

class TestTextTests : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conditions_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("match");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("expected");

        // Empty match texts.
        row("contains-empty-match-never", "Contains", "anything", "", false, false);
        row("starts-with-empty-match-always", "Starts with", "anything", "", false, true);
        row("ends-with-empty-match-always", "Ends with", "", "", false, true);
        row("equals-empty-text-empty-match", "Equals", "", "", false, true);

        // Lengths.
        row("starts-with-match-longer-than-text", "Starts with", "Win", "Winner", false, false);
        row("ends-with-match-longer-than-text", "Ends with", "ner", "Winner", false, false);
        row("ends-with-tail", "Ends with", "You are a Winner", "WINNER", false, true);
        row("equals-needs-whole-text", "Equals", "free offer", "free", false, false);

        // Case: only a-z fold.
        row("contains-ignoring-case", "Contains", "Get Free stuff", "FREE", false, true);
        row("contains-case-sensitive", "Contains", "Get Free stuff", "FREE", true, false);
        row("equals-case-sensitive-same", "Equals", "FREE", "FREE", true, true);
        row("non-ascii-letters-do-not-fold", "Contains", QStringLiteral("caf\u00e9"),
            QStringLiteral("CAF\u00c9"), false, false);
        row("kelvin-sign-is-not-k", "Equals", QStringLiteral("\u212a"), "k", false, false);

        // Whole words.
        row("whole-word-between-spaces", "Contains (whole word)", "Get FREE stuff!", "free", false,
            true);
        row("whole-word-hyphen-delimits", "Contains (whole word)", "free-money", "FREE", false,
            true);
        row("whole-word-not-inside-a-word", "Contains (whole word)", "FREEDOM", "FREE", false,
            false);
        row("whole-word-match-with-space-never", "Contains (whole word)", "free money",
            "free money", false, false);
        row("whole-word-match-with-at-never", "Contains (whole word)", "a@b", "a@b", false, false);
        row("whole-word-case-sensitive", "Contains (whole word)", "Get free stuff", "FREE", true,
            false);
        row("whole-word-blank-match", "Contains (whole word)", "a \b b", "\b", false, false);
        row("whole-word-blank-text", "Contains (whole word)", " \r\n", "x", false, false);
        row("whole-word-at-end-after-tab", "Contains (whole word)", "win\tcash", "CASH", false,
            true);
        row("whole-word-underscore-joins", "Contains (whole word)", "free_money", "free", false,
            false);

        // Blank and upper case.
        row("blank-empty", "Is blank", "", "", false, true);
        row("blank-space-cr-lf-backspace", "Is blank", " \r\n\b ", "", false, true);
        row("tab-is-not-blank", "Is blank", "\t", "", false, false);
        row("uppercase-shouting", "Is UPPERCASE", "BUY NOW!!", "", false, true);
        row("uppercase-one-lower-letter", "Is UPPERCASE", "BUY NOw", "", false, false);
        row("uppercase-digits-only", "Is UPPERCASE", "12345 !", "", false, true);
        row("uppercase-blank-is-not", "Is UPPERCASE", "  ", "", false, false);
        row("uppercase-non-ascii-lower-allowed", "Is UPPERCASE", QStringLiteral("\u00e9T\u00c9"),
            "", false, true);
        row("uppercase-whatever-the-case-flag", "Is UPPERCASE", "abc", "", false, false);

        // Numbers.
        row("all-numeric-digits", "All numeric", "12345", "", false, true);
        row("all-numeric-underscore-counts", "All numeric", "1_2", "", false, true);
        row("all-numeric-empty", "All numeric", "", "", false, true);
        row("all-numeric-one-letter", "All numeric", "123a", "", false, false);
        row("half-numeric-two-of-five", "50% numeric", "ab1c2", "", false, true);
        row("half-numeric-one-of-five", "50% numeric", "abcd1", "", false, false);
        row("half-numeric-one-of-three", "50% numeric", "a1b", "", false, true);
        row("half-numeric-empty", "50% numeric", "", "", false, true);
        row("first-char-digit", "First char numeric", "9lives", "", false, true);
        row("first-char-underscore-is-not", "First char numeric", "_9", "", false, false);
        row("first-char-empty", "First char numeric", "", "", false, false);

        // Words that are not conditions.
        row("condition-word-is-exact", "contains", "abc", "b", false, false);
        row("empty-condition", "", "abc", "", false, false);
    }
    void conditions() {
        QFETCH(QString, condition);
        QFETCH(QString, text);
        QFETCH(QString, match);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, expected);
        QCOMPARE(TestCondition(ConditionFromText(condition), text, match, caseSensitive), expected);
    }

    void delimiters() {
        // Each of the 35 separates words; nothing else does.
        const QString all = QStringLiteral("\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*");
        QCOMPARE(all.size(), 35);
        for (const QChar d : all) {
            QVERIFY2(IsWordDelimiter(d), qPrintable(QString::number(d.unicode())));
            QVERIFY(WholeWordCheck(QStringLiteral("win") + d + QStringLiteral("cash"),
                                   QStringLiteral("cash"), false));
        }
        for (char16_t c = 1; c < 0x180; ++c) {
            if (all.contains(QChar(c))) continue;
            QVERIFY2(!IsWordDelimiter(QChar(c)), qPrintable(QString::number(c)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTextTests)
#include "tst_texttests.moc"
