// What the rule editors decide without their windows: the cells each writer
// produces, how a row fills the fields again, the input checks, the imports,
// sorting and the country table.
#include "rules/RuleEdits.h"
#include "settings/GeneralSettings.h"

#include <QtTest>

class TestRuleEdits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void subjectWriter_data() {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("hits");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("new-rule-starts-at-0")
            << ConditionContains << " free " << true << ""
            << QStringList{"", "Contains", "free", "No", "Yes", "0"};
        QTest::newRow("edit-keeps-hits")
            << 1 << "cash" << false << "12"
            << QStringList{"", "Contains (whole word)", "cash", "No", "No", "12"};
        QTest::newRow("is-blank-stores-empty-cells")
            << ConditionIsBlank << "typed before" << true << ""
            << QStringList{"", "Is blank", "", "", "Yes", "0"};
        QTest::newRow("uppercase-stores-empty-cells")
            << ConditionIsUppercase << "x" << true << "3"
            << QStringList{"", "Is UPPERCASE", "", "", "Yes", "3"};
    }
    void subjectWriter() {
        QFETCH(int, condition);
        QFETCH(QString, text);
        QFETCH(bool, check);
        QFETCH(QString, hits);
        QFETCH(QStringList, cells);
        SubjectRuleFields f;
        f.condition = condition;
        f.text = text;
        f.check = check;
        QCOMPARE(::subjectCells(f, hits), cells);

        RuleList list(RuleListKind::Subject);
        list.writeRow(1, cells);
        QCOMPARE(list.image(1), check ? int(ImageCheck) : int(ImageQuestion));
        const SubjectRuleFields back = subjectFieldsFromRow(list, 1);
        QCOMPARE(back.condition, condition);
        QCOMPARE(back.check, check);
        QCOMPARE(::subjectCells(back, list.cell(5, 1)), cells);
    }

    void toRuleForMailbox3RoundTrips() {
        GeneralSettings general;
        general.mailbox(1).Server = QStringLiteral("pop.one");
        general.mailbox(1).UserName = QStringLiteral("ann");
        general.mailbox(3).Server = QStringLiteral("pop.three");
        general.mailbox(3).UserName = QStringLiteral("bob");
        const QStringList items = mailboxItems(general);
        QCOMPARE(items, (QStringList{"1) ann - server pop.one", "3) bob - server pop.three"}));

        HeaderRuleFields f;
        f.kind = HeaderRuleFields::ToMissing;
        f.toText = QStringLiteral("  me ");
        f.mailbox = mailboxNumberOf(items[1]);
        QCOMPARE(headerInputError(f), QString());
        const QStringList cells = headerCells(f, QString());
        QCOMPARE(cells,
                 (QStringList{"", "To does not contain", "me - MailBox #3", "No", "Yes", "0"}));

        RuleList list(RuleListKind::Header);
        list.writeRow(1, cells);
        const HeaderRuleFields back = headerFieldsFromRow(list, 1);
        QCOMPARE(back.kind, HeaderRuleFields::ToMissing);
        QCOMPARE(back.toText, QStringLiteral("me"));
        QCOMPARE(back.mailbox, QStringLiteral("3"));
        QCOMPARE(back.headerText, QString());
    }

    void headerSpecialKinds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("reply-to") << int(HeaderRuleFields::ReplyToMismatch)
                                  << QStringList{"",   "Sender", "does not match Reply-to",
                                                 "No", "Yes",    "0"};
        QTest::newRow("equals-to")
            << int(HeaderRuleFields::SenderEqualsTo)
            << QStringList{"", "Sender", "equals To field", "No", "Yes", "0"};
        QTest::newRow("message-header") << int(HeaderRuleFields::MessageHeader)
                                        << QStringList{"", "Contains", "X-1", "No", "Yes", "0"};
    }
    void headerSpecialKinds() {
        QFETCH(int, kind);
        QFETCH(QStringList, cells);
        HeaderRuleFields f;
        f.kind = HeaderRuleFields::Kind(kind);
        QCOMPARE(headerCells(f, QString()), cells);
        RuleList list(RuleListKind::Header);
        list.writeRow(1, cells);
        QCOMPARE(int(headerFieldsFromRow(list, 1).kind), kind);
    }

    void inputChecks_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("subject-only-spaces") << "subject"
                                             << "   "
                                             << "The subject text cannot be blank";
        QTest::newRow("subject-cr-lf-backspace") << "subject"
                                                 << "\r\n\b"
                                                 << "The subject text cannot be blank";
        QTest::newRow("subject-ok") << "subject"
                                    << "x"
                                    << "";
        QTest::newRow("header-only-spaces") << "header"
                                            << "   "
                                            << "The header text cannot be blank";
        QTest::newRow("to-only-spaces") << "to"
                                        << "   "
                                        << "The TO field cannot be blank";
        QTest::newRow("sender-blank") << "sender"
                                      << " "
                                      << "The Sender field cannot be left blank.";
        QTest::newRow("email-empty") << "email"
                                     << ""
                                     << "The email line cannot be blank";
        QTest::newRow("domain-empty") << "domain"
                                      << " "
                                      << "The domain line cannot be blank";
        QTest::newRow("header-line-empty") << "line"
                                           << ""
                                           << "The subject line cannot be blank";
    }
    void inputChecks() {
        QFETCH(QString, which);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QString got;
        if (which == QLatin1String("subject")) {
            SubjectRuleFields f;
            f.text = text;
            got = subjectInputError(f);
        } else if (which == QLatin1String("header") || which == QLatin1String("to")) {
            HeaderRuleFields f;
            f.kind = which == QLatin1String("to") ? HeaderRuleFields::ToMissing
                                                  : HeaderRuleFields::MessageHeader;
            f.headerText = text;
            f.toText = text;
            got = headerInputError(f);
        } else if (which == QLatin1String("sender")) {
            SenderRuleFields f;
            f.text = text;
            got = senderInputError(f);
        } else {
            ExceptionRuleFields f;
            f.kind = which == QLatin1String("email")    ? ExceptionRuleFields::EmailAddress
                     : which == QLatin1String("domain") ? ExceptionRuleFields::DomainName
                                                        : ExceptionRuleFields::HeaderLine;
            f.email = f.domain = f.text = text;
            got = exceptionInputError(f);
        }
        QCOMPARE(got, error);
    }

    void senderConditionWithoutTextStoresNone() {
        SenderRuleFields f;
        f.condition = 7; // "Is ALL numeric"
        f.text = QStringLiteral("left over");
        QCOMPARE(senderInputError(f), QString());
        QCOMPARE(senderCells(f, QStringLiteral("4")),
                 (QStringList{"", "Domain name", "All numeric", "", "Yes", "4"}));
    }

    void exceptionRows_data() {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("fifth-picture-stores-7")
            << QStringList{"E-mail address", "Equals", "a@b.c", "No", "2", "", "7"}
            << QStringList{"E-mail address", "Equals", "a@b.c", "No", "2", "", "7"};
        QTest::newRow("older-subject-row-becomes-subject-colon")
            << QStringList{"Subject", "Contains", "news", "Yes", "", "", ""}
            << QStringList{"Subject:", "Contains", "news", "Yes", "0", "", "3"};
        QTest::newRow("domain") << QStringList{"Domain name", "Equals", "b.c", "No", "0", "", "14"}
                                << QStringList{"Domain name", "Equals", "b.c", "No", "0", "", "14"};
    }
    void exceptionRows() {
        QFETCH(QStringList, row);
        QFETCH(QStringList, written);
        RuleList list(RuleListKind::Exception);
        list.writeRow(1, row);
        ExceptionRuleFields f = exceptionFieldsFromRow(list, 1);
        QCOMPARE(exceptionInputError(f), QString());
        QCOMPARE(exceptionCells(f, list.cell(4, 1)), written);
    }

    void importBoxDropsRepeatedLines() {
        QCOMPARE(importBoxLines({"a", "a", "A", "", "b"}), (QStringList{"a", "A", "", "b"}));
        QCOMPARE(importBoxLines({"", "x"}), QStringList{"x"});
    }

    void importAddsTrimmedRulesAtTheEnd() {
        RuleList subject(RuleListKind::Subject);
        QCOMPARE(importRules(subject, {"cash", "", "  loan  ", "cash", " \r\b"}), 3);
        QCOMPARE(subject.ruleCount(), 3);
        QCOMPARE(subject.row(1).Cells,
                 (QStringList{"", "Contains (whole word)", "cash", "No", "Yes", "0"}));
        QCOMPARE(subject.cell(2, 2), QStringLiteral("loan"));
        QCOMPARE(subject.image(2), int(ImageCheck));

        RuleList except(RuleListKind::Exception);
        QCOMPARE(importRules(except, {"\ta@b.c\t"}), 1);
        QCOMPARE(except.row(1).Cells,
                 (QStringList{"E-mail address", "Equals", "a@b.c", "No", "0", "", "3"}));
        QCOMPARE(except.image(1), 3);

        // As the import box does: a line equal to the one before it goes.
        RuleList repeated(RuleListKind::Subject);
        QCOMPARE(importRules(repeated, {"x", "x", "y", "x", "x"}), 3);
        QCOMPARE(repeated.cell(2, 3), QStringLiteral("x"));
    }

    void hitsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digits") << "42" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("negative") << "-1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "4x" << false;
        QTest::newRow("blank-around") << " 4" << false;
    }
    void hitsTyped() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(acceptsHitsText(text), accepted);
    }

    void sortingOrdersHitsAsNumbers() {
        RuleList list(RuleListKind::Subject);
        list.writeRow(1, {"", "Contains", "b", "No", "Yes", "10"});
        list.appendRule({"", "Contains", "A", "No", "Yes", "9"});
        list.appendRule({"", "Contains", "c", "No", "Yes", "100"});
        list.sortRules(5, true);
        QCOMPARE((QStringList{list.cell(5, 1), list.cell(5, 2), list.cell(5, 3)}),
                 (QStringList{"9", "10", "100"}));
        list.sortRules(2, false);
        QCOMPARE((QStringList{list.cell(2, 1), list.cell(2, 2), list.cell(2, 3)}),
                 (QStringList{"c", "b", "A"}));
        QCOMPARE(list.cell(1, 0), QStringLiteral("What"));
    }

    void countryTable() {
        const QStringList& entries = CountryEntries();
        QCOMPARE(entries.size(), 243);
        QCOMPARE(entries.first(), QStringLiteral("AF\tAfghanistan"));
        QCOMPARE(countryDomainEnding(entries[2]), QStringLiteral(".DZ"));
        QCOMPARE(countryName(entries[2]), QStringLiteral("Algeria"));
        QCOMPARE(entries.filter(QRegularExpression(QStringLiteral("^VA\t"))).size(), 2);
        QCOMPARE(entries.last(), QStringLiteral("ZW\tZimbabwe"));
    }
};

QTEST_GUILESS_MAIN(TestRuleEdits)
#include "tst_ruleedits.moc"
