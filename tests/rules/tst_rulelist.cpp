// Rule list operations: placing, inserting at the top, removing, exchanging,
// state images, duplicate removal and the hit counters.
#include "rules/RuleList.h"

#include <QtTest>

namespace {
QStringList subjectRule(const QString& match, const QString& del = QStringLiteral("Yes"),
                        const QString& hits = QStringLiteral("0")) {
    return {QString(), QStringLiteral("Contains"), match, QStringLiteral("No"), del, hits};
}

// Column 2 of every rule row, in order.
QStringList matches(const RuleList& list) {
    QStringList out;
    for (int r = 1; r < list.rowCount(); ++r)
        out << list.cell(2, r);
    return out;
}
} // namespace

class TestRuleList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placingFillsTheBlankRowFirst() {
        RuleList list(RuleListKind::Subject);
        QVERIFY(list.isEmpty());
        QCOMPARE(list.ruleCount(), 1);
        QCOMPARE(list.placeRule(subjectRule(QStringLiteral("a")), 1), 1);
        QCOMPARE(list.ruleCount(), 1);
        QVERIFY(!list.isEmpty());
        QCOMPARE(list.placeRule(subjectRule(QStringLiteral("b")), 1), 1);
        QCOMPARE(list.appendRule(subjectRule(QStringLiteral("c"))), 3);
        QCOMPARE(list.placeRule(subjectRule(QStringLiteral("d")), 3), 3);
        QCOMPARE(matches(list), (QStringList{"b", "a", "d", "c"}));
    }

    void insertAtTopKeepsTheBlankRow() {
        RuleList list(RuleListKind::Header);
        QCOMPARE(list.insertAtTop(subjectRule(QStringLiteral("X-Mailer: Floodgate"))), 1);
        QCOMPARE(list.ruleCount(), 2);
        QCOMPARE(list.cell(1, 2), QString());
        list.insertAtTop(subjectRule(QStringLiteral("top")));
        QCOMPARE(matches(list), (QStringList{"top", "X-Mailer: Floodgate", ""}));
    }

    void removingTheOnlyRuleClearsIt() {
        RuleList list(RuleListKind::Sender);
        list.appendRule({QString(), QStringLiteral("Domain name"), QStringLiteral("Equals"),
                         QStringLiteral("spam.test"), QStringLiteral("Yes"), QStringLiteral("3")});
        list.appendRule({QString(), QStringLiteral("E-mail address"), QStringLiteral("Is blank"),
                         QString(), QStringLiteral("No"), QStringLiteral("0")});
        list.removeRow(1);
        QCOMPARE(list.ruleCount(), 1);
        QCOMPARE(list.cell(2, 1), QStringLiteral("Is blank"));
        list.removeRow(1);
        QCOMPARE(list.ruleCount(), 1);
        QVERIFY(list.isEmpty());
        QCOMPARE(list.image(1), int(ImageNone));
        list.removeRow(0); // the heading row stays
        QCOMPARE(list.cell(1, 0), QStringLiteral("What"));
    }

    void exchangeOnlyRuleRows() {
        RuleList list(RuleListKind::Subject);
        list.appendRule(subjectRule(QStringLiteral("a"), QStringLiteral("Yes")));
        list.appendRule(subjectRule(QStringLiteral("b"), QStringLiteral("No")));
        QVERIFY(list.exchangeRows(1, 2));
        QCOMPARE(matches(list), (QStringList{"b", "a"}));
        QCOMPARE(list.image(1), int(ImageQuestion)); // the image moves with its row
        QVERIFY(!list.exchangeRows(0, 1));
        QVERIFY(!list.exchangeRows(2, 3));
        QCOMPARE(matches(list), (QStringList{"b", "a"}));
    }

    void writtenRowsDeriveTheirImage() {
        RuleList subject(RuleListKind::Subject);
        subject.writeRow(1, subjectRule(QStringLiteral("x"), QStringLiteral("Yes")));
        QCOMPARE(subject.image(1), int(ImageCheck));
        subject.writeRow(1, subjectRule(QStringLiteral("x"), QStringLiteral("yes")));
        QCOMPARE(subject.image(1), int(ImageQuestion));

        RuleList except(RuleListKind::Exception);
        except.writeRow(1, {QStringLiteral("E-mail address"), QStringLiteral("Equals"),
                            QStringLiteral("a@b.test"), QStringLiteral("No"), QStringLiteral("0"),
                            QString(), QStringLiteral("12")});
        QCOMPARE(except.image(1), 12);
    }

    void deleteDups_data() {
        QTest::addColumn<QList<QStringList>>("rules");
        QTest::addColumn<QStringList>("left"); // column 2 of what remains
        const QStringList a = subjectRule(QStringLiteral("a"));
        const QStringList b = subjectRule(QStringLiteral("b"));
        QTest::newRow("three-equal-shrink-to-one")
            << QList<QStringList>{a, a, a, b} << QStringList{"a", "b"};
        QTest::newRow("separated-both-stay")
            << QList<QStringList>{a, b, a} << QStringList{"a", "b", "a"};
        QTest::newRow("differ-in-hits-both-stay")
            << QList<QStringList>{a, subjectRule(QStringLiteral("a"), QStringLiteral("Yes"),
                                                 QStringLiteral("4"))}
            << QStringList{"a", "a"};
        QTest::newRow("differ-in-case-both-stay")
            << QList<QStringList>{a, subjectRule(QStringLiteral("A"))} << QStringList{"a", "A"};
        QTest::newRow("blank-rows-are-duplicates")
            << QList<QStringList>{a, {}, {}} << QStringList{"a", ""};
        QTest::newRow("single-rule-untouched") << QList<QStringList>{a} << QStringList{"a"};
    }
    void deleteDups() {
        QFETCH(QList<QStringList>, rules);
        QFETCH(QStringList, left);
        RuleList list(RuleListKind::Subject);
        for (const QStringList& r : rules)
            list.placeRule(r, list.rowCount());
        DeleteDupsFromGrid(list);
        QCOMPARE(matches(list), left);
    }

    void exceptionsDifferingOnlyInPictureAreDuplicates() {
        RuleList list(RuleListKind::Exception);
        const QStringList rule{QStringLiteral("Domain name"),
                               QStringLiteral("Equals"),
                               QStringLiteral("friend.test"),
                               QStringLiteral("No"),
                               QStringLiteral("0"),
                               QString(),
                               QStringLiteral("4")};
        QStringList other = rule;
        other[6] = QStringLiteral("9");
        list.appendRule(rule);
        list.appendRule(other);
        DeleteDupsFromGrid(list);
        QCOMPARE(list.ruleCount(), 1);
        QCOMPARE(list.image(1), 4);
    }

    void hitCounters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("number") << "41"
                                << "42";
        QTest::newRow("not-a-number") << "x"
                                      << "1";
        QTest::newRow("empty") << ""
                               << "1";
        QTest::newRow("digits-then-text") << "12ab"
                                          << "1";
        QTest::newRow("beyond-int") << "4294967296"
                                    << "4294967297";
    }
    void hitCounters() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        RuleList list(RuleListKind::Exception);
        list.appendRule({QStringLiteral("Any Header"), QStringLiteral("Contains"),
                         QStringLiteral("x"), QStringLiteral("No"), before});
        list.bumpHits(1);
        QCOMPARE(list.cell(4, 1), after);
    }
};

QTEST_GUILESS_MAIN(TestRuleList)
#include "tst_rulelist.moc"
