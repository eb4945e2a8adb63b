#include "rules/RuleEdits.h"

#include "mail/mime/Text.h"
#include "settings/GeneralSettings.h"

#include <QCoreApplication>

namespace {
const QString Yes = QStringLiteral("Yes");
const QString No = QStringLiteral("No");
const QString Zero = QStringLiteral("0");
const QString ReplyToWord = QStringLiteral("does not match Reply-to");
const QString EqualsToWord = QStringLiteral("equals To field");
const QString SenderWord = QStringLiteral("Sender");
const QString ToWord = QStringLiteral("To does not contain");
const QString EmailKind = QStringLiteral("E-mail address");
const QString DomainKind = QStringLiteral("Domain name");

QString keptHits(const QString& hits) {
    return hits.isEmpty() ? Zero : hits;
}

QString yesNo(bool b) {
    return b ? Yes : No;
}
} // namespace

const QList<ConditionItem>& ConditionItems() {
    static const QList<ConditionItem> items{
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Contains")), QStringLiteral("Contains")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Contains (whole word)")), QStringLiteral("Contains (whole word)")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Equals (exact match)")), QStringLiteral("Equals")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Starts with")), QStringLiteral("Starts with")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Ends with")), QStringLiteral("Ends with")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Is blank or empty")), QStringLiteral("Is blank")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Is all UPPERCASE")), QStringLiteral("Is UPPERCASE")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Is ALL numeric")), QStringLiteral("All numeric")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Is at least 1/2 numeric")), QStringLiteral("50% numeric")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("RuleEdits", "Starts with a number")), QStringLiteral("First char numeric")},
    };
    return items;
}

int conditionIndexOfWord(const QString& word, int count) {
    const QList<ConditionItem>& items = ConditionItems();
    for (int i = 0; i < count && i < items.size(); ++i)
        if (items[i].word == word) return i;
    return -1;
}

QString conditionWord(int index) {
    const QList<ConditionItem>& items = ConditionItems();
    return index >= 0 && index < items.size() ? items[index].word : QString();
}

bool isTextCondition(int index) {
    return index < TextConditionCount;
}

bool IsBlankText(QStringView text) {
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\r') && c != QLatin1Char('\n') &&
            c != QChar(8))
            return false;
    return true;
}

QString TrimRuleText(QStringView text) {
    return TrimBlanks(text);
}

// --- Subject rules ------------------------------------------------------------------

SubjectRuleFields subjectFieldsFromRow(const RuleList& list, int row) {
    SubjectRuleFields f;
    f.condition = conditionIndexOfWord(list.cell(1, row), SubjectConditionCount);
    f.text = list.cell(2, row);
    f.caseMatters = list.cell(3, row) == Yes;
    f.check = list.cell(RuleList::DelColumn, row) == Yes;
    return f;
}

QString subjectInputError(const SubjectRuleFields& f) {
    if (isTextCondition(f.condition) && IsBlankText(f.text))
        return QCoreApplication::translate("RuleEdits", "The subject text cannot be blank");
    return {};
}

QStringList subjectCells(const SubjectRuleFields& f, const QString& hits) {
    QStringList cells{QString(),
                      conditionWord(f.condition),
                      TrimRuleText(f.text),
                      yesNo(f.caseMatters),
                      yesNo(f.check),
                      keptHits(hits)};
    if (f.condition == ConditionIsBlank || f.condition == ConditionIsUppercase) {
        cells[2].clear();
        cells[3].clear();
    }
    return cells;
}

// --- Header rules -------------------------------------------------------------------

QStringList mailboxItems(const GeneralSettings& general) {
    QStringList items;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const MailboxConfig& m = general.mailbox(n);
        if (!m.Server.isEmpty())
            items << QCoreApplication::translate("RuleEdits", "%1) %2 - server %3")
                         .arg(n)
                         .arg(m.UserName, m.Server);
    }
    return items;
}

QString mailboxNumberOf(const QString& item) {
    const qsizetype paren = item.indexOf(QLatin1Char(')'));
    return paren < 0 ? item : item.left(paren);
}

HeaderRuleFields headerFieldsFromRow(const RuleList& list, int row) {
    HeaderRuleFields f;
    const QString what = list.cell(1, row);
    const QString matches = list.cell(2, row);
    f.condition = conditionIndexOfWord(what, TextConditionCount);
    f.headerText = matches;
    f.caseMatters = list.cell(3, row) == Yes;
    f.check = list.cell(RuleList::DelColumn, row) == Yes;
    if (matches == ReplyToWord) {
        f.headerText.clear();
        f.kind = HeaderRuleFields::ReplyToMismatch;
    } else if (matches == EqualsToWord) {
        f.headerText.clear();
        f.kind = HeaderRuleFields::SenderEqualsTo;
    } else if (what.contains(ToWord)) {
        f.headerText.clear();
        f.kind = HeaderRuleFields::ToMissing;
        const qsizetype tag = matches.indexOf(MailBoxTag);
        f.toText = tag < 0 ? matches : matches.left(tag);
        f.mailbox = tag < 0 ? QString() : matches.mid(tag + MailBoxTag.size());
    }
    return f;
}

QString headerInputError(HeaderRuleFields& f) {
    f.toText = TrimRuleText(f.toText);
    f.headerText = TrimRuleText(f.headerText);
    if (f.kind == HeaderRuleFields::MessageHeader && f.headerText.isEmpty())
        return QCoreApplication::translate("RuleEdits", "The header text cannot be blank");
    if (f.kind == HeaderRuleFields::ToMissing && f.toText.isEmpty())
        return QCoreApplication::translate("RuleEdits", "The TO field cannot be blank");
    return {};
}

QStringList headerCells(const HeaderRuleFields& f, const QString& hits) {
    QStringList cells{QString(),      conditionWord(f.condition),
                      f.headerText,   yesNo(f.caseMatters),
                      yesNo(f.check), keptHits(hits)};
    switch (f.kind) {
    case HeaderRuleFields::MessageHeader:
        break;
    case HeaderRuleFields::ReplyToMismatch:
        cells[1] = SenderWord;
        cells[2] = ReplyToWord;
        cells[3] = No;
        break;
    case HeaderRuleFields::ToMissing: {
        const qsizetype tag = f.toText.indexOf(MailBoxTag);
        const QString text = tag < 0 ? f.toText : f.toText.left(tag);
        cells[1] = ToWord;
        cells[2] = text + MailBoxTag + f.mailbox;
        cells[3] = No;
        break;
    }
    case HeaderRuleFields::SenderEqualsTo:
        cells[1] = SenderWord;
        cells[2] = EqualsToWord;
        cells[3] = No;
        break;
    }
    return cells;
}

QStringList myselfHeaderCells(const QString& userName) {
    HeaderRuleFields f;
    f.kind = HeaderRuleFields::ToMissing;
    f.toText = userName;
    f.mailbox = QStringLiteral("1");
    f.check = true;
    return headerCells(f, QStringLiteral("0"));
}

// --- Sender rules -------------------------------------------------------------------

SenderRuleFields senderFieldsFromRow(const RuleList& list, int row) {
    SenderRuleFields f;
    f.emailAddress = list.cell(1, row) == EmailKind;
    f.condition = conditionIndexOfWord(list.cell(2, row), SenderConditionCount);
    f.check = list.cell(RuleList::DelColumn, row) == Yes;
    f.text = isTextCondition(f.condition) ? list.cell(3, row) : QString();
    return f;
}

QString senderInputError(SenderRuleFields& f) {
    if (isTextCondition(f.condition) && IsBlankText(f.text))
        return QStringLiteral("The Sender field cannot be left blank.");
    f.text = isTextCondition(f.condition) ? TrimRuleText(f.text) : QString();
    return {};
}

QStringList senderCells(const SenderRuleFields& f, const QString& hits) {
    return {QString(),
            f.emailAddress ? EmailKind : DomainKind,
            conditionWord(f.condition),
            isTextCondition(f.condition) ? f.text : QString(),
            yesNo(f.check),
            keptHits(hits)};
}

// --- Exceptions ---------------------------------------------------------------------

const QStringList& exceptionLines() {
    static const QStringList lines{QStringLiteral("Subject:"), QStringLiteral("CC:"),
                                   QStringLiteral("Reply-To:"), QStringLiteral("To:"),
                                   QStringLiteral("Any Header")};
    return lines;
}

ExceptionRuleFields exceptionFieldsFromRow(const RuleList& list, int row) {
    ExceptionRuleFields f;
    const QString kind = list.cell(0, row);
    const QString text = list.cell(2, row);
    if (kind == DomainKind) {
        f.kind = ExceptionRuleFields::DomainName;
        f.domain = text;
    } else if (kind == EmailKind) {
        f.kind = ExceptionRuleFields::EmailAddress;
        f.email = text;
    } else {
        f.kind = ExceptionRuleFields::HeaderLine;
        f.text = text;
        const int line = exceptionLines().indexOf(kind);
        f.line = line >= 0 ? line : 0; // rows of earlier versions say "Subject"
    }
    f.condition = conditionIndexOfWord(list.cell(1, row), TextConditionCount);
    f.caseMatters = list.cell(3, row) == Yes;
    bool ok = false;
    const int picture = list.cell(RuleList::PictureIndexColumn, row).toInt(&ok);
    f.picture = ok && picture >= ImageFirstPicture && picture <= ImageLastPicture
                    ? picture
                    : ImageFirstPicture;
    return f;
}

QString exceptionInputError(ExceptionRuleFields& f) {
    f.email = TrimRuleText(f.email);
    f.domain = TrimRuleText(f.domain);
    f.text = TrimRuleText(f.text);
    switch (f.kind) {
    case ExceptionRuleFields::EmailAddress:
        if (f.email.isEmpty())
            return QCoreApplication::translate("RuleEdits", "The email line cannot be blank");
        break;
    case ExceptionRuleFields::DomainName:
        if (f.domain.isEmpty())
            return QCoreApplication::translate("RuleEdits", "The domain line cannot be blank");
        break;
    case ExceptionRuleFields::HeaderLine:
        if (f.text.isEmpty())
            return QCoreApplication::translate("RuleEdits", "The subject line cannot be blank");
        break;
    }
    return {};
}

QStringList exceptionCells(const ExceptionRuleFields& f, const QString& hits) {
    QString kind, text, condition = QStringLiteral("Equals");
    switch (f.kind) {
    case ExceptionRuleFields::EmailAddress:
        kind = EmailKind;
        text = f.email;
        break;
    case ExceptionRuleFields::DomainName:
        kind = DomainKind;
        text = f.domain;
        break;
    case ExceptionRuleFields::HeaderLine:
        kind = exceptionLines().value(f.line, exceptionLines().first());
        text = f.text;
        condition = conditionWord(f.condition);
        break;
    }
    return {kind,
            condition,
            text,
            yesNo(f.caseMatters),
            keptHits(hits),
            QString(),
            QString::number(f.picture)};
}

// --- Imports ------------------------------------------------------------------------

QStringList importBoxLines(const QStringList& lines) {
    QStringList kept;
    QString previous;
    for (const QString& line : lines) {
        if (line != previous) kept << line;
        previous = line;
    }
    return kept;
}

int importRules(RuleList& list, const QStringList& lines) {
    int added = 0;
    for (const QString& line : importBoxLines(lines)) {
        if (IsBlankText(line)) continue;
        const QString text = TrimRuleText(line);
        // A line of nothing but control characters would give a rule without text.
        if (text.isEmpty()) continue;
        if (list.kind() == RuleListKind::Exception)
            list.appendRule({EmailKind, QStringLiteral("Equals"), text, No, Zero, QString(),
                             QString::number(ImageFirstPicture)});
        else
            list.appendRule(
                {QString(), QStringLiteral("Contains (whole word)"), text, No, Yes, Zero});
        ++added;
    }
    return added;
}

// --- Cells typed in place -----------------------------------------------------------

bool acceptsHitsText(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

// --- Country table ------------------------------------------------------------------

const QStringList& CountryEntries() {
    static const QStringList entries{
        QStringLiteral("AF\tAfghanistan"),
        QStringLiteral("AL\tAlbania"),
        QStringLiteral("DZ\tAlgeria"),
        QStringLiteral("AS\tAmerican Samoa"),
        QStringLiteral("AD\tAndorra"),
        QStringLiteral("AO\tAngola"),
        QStringLiteral("AI\tAnguilla"),
        QStringLiteral("AQ\tAntarctica"),
        QStringLiteral("AG\tAntigua and Barbuda"),
        QStringLiteral("AR\tArgentina"),
        QStringLiteral("AM\tArmenia"),
        QStringLiteral("AW\tAruba"),
        QStringLiteral("AC\tAscension Island"),
        QStringLiteral("AU\tAustralia"),
        QStringLiteral("AT\tAustria"),
        QStringLiteral("AZ\tAzerbaijan"),
        QStringLiteral("BS\tBahamas"),
        QStringLiteral("BH\tBahrain"),
        QStringLiteral("BD\tBangladesh"),
        QStringLiteral("BB\tBarbados"),
        QStringLiteral("BY\tBelarus"),
        QStringLiteral("BE\tBelgium"),
        QStringLiteral("BZ\tBelize"),
        QStringLiteral("BJ\tBenin"),
        QStringLiteral("BM\tBermuda"),
        QStringLiteral("BT\tBhutan"),
        QStringLiteral("BO\tBolivia"),
        QStringLiteral("BA\tBosnia and Herzegovina"),
        QStringLiteral("BW\tBotswana"),
        QStringLiteral("BV\tBouvet Island"),
        QStringLiteral("BR\tBrazil"),
        QStringLiteral("IO\tBritish Indian Ocean Territory"),
        QStringLiteral("BN\tBrunei Darussalam"),
        QStringLiteral("BG\tBulgaria"),
        QStringLiteral("BF\tBurkina Faso"),
        QStringLiteral("BI\tBurundi"),
        QStringLiteral("KH\tCambodia"),
        QStringLiteral("CM\tCameroon"),
        QStringLiteral("CA\tCanada"),
        QStringLiteral("CV\tCape Verde"),
        QStringLiteral("KY\tCayman Islands"),
        QStringLiteral("CF\tCentral African Republic"),
        QStringLiteral("TD\tChad"),
        QStringLiteral("CL\tChile"),
        QStringLiteral("CN\tChina"),
        QStringLiteral("CX\tChristmas Island"),
        QStringLiteral("CC\tCocos (Keeling) Islands"),
        QStringLiteral("CO\tColombia"),
        QStringLiteral("KM\tComoros"),
        QStringLiteral("CD\tCongo, Democratic People's Republic"),
        QStringLiteral("CG\tCongo, Republic of"),
        QStringLiteral("CK\tCook Islands"),
        QStringLiteral("CR\tCosta Rica"),
        QStringLiteral("CI\tCote D'Ivoire (Ivory Coast)"),
        QStringLiteral("HR\tCroatia (Hrvatska)"),
        QStringLiteral("CU\tCuba"),
        QStringLiteral("CY\tCyprus"),
        QStringLiteral("CZ\tCzech Republic"),
        QStringLiteral("DK\tDenmark"),
        QStringLiteral("DJ\tDjibouti"),
        QStringLiteral("DM\tDominica"),
        QStringLiteral("DO\tDominican Republic"),
        QStringLiteral("TP\tEast Timor"),
        QStringLiteral("EC\tEcuador"),
        QStringLiteral("EG\tEgypt"),
        QStringLiteral("SV\tEl Salvador"),
        QStringLiteral("GQ\tEquatorial Guinea"),
        QStringLiteral("ER\tEritrea"),
        QStringLiteral("EE\tEstonia"),
        QStringLiteral("ET\tEthiopia"),
        QStringLiteral("FK\tFalkland Islands (Malvinas)"),
        QStringLiteral("FO\tFaroe Islands"),
        QStringLiteral("FJ\tFiji"),
        QStringLiteral("FI\tFinland"),
        QStringLiteral("FR\tFrance"),
        QStringLiteral("GF\tFrench Guiana"),
        QStringLiteral("PF\tFrench Polynesia"),
        QStringLiteral("TF\tFrench Southern Territories"),
        QStringLiteral("GA\tGabon"),
        QStringLiteral("GM\tGambia"),
        QStringLiteral("GE\tGeorgia"),
        QStringLiteral("DE\tGermany"),
        QStringLiteral("GH\tGhana"),
        QStringLiteral("GI\tGibraltar"),
        QStringLiteral("GR\tGreece"),
        QStringLiteral("GL\tGreenland"),
        QStringLiteral("GD\tGrenada"),
        QStringLiteral("GP\tGuadeloupe"),
        QStringLiteral("GU\tGuam"),
        QStringLiteral("GT\tGuatemala"),
        QStringLiteral("GN\tGuinea"),
        QStringLiteral("GW\tGuinea-Bissau"),
        QStringLiteral("GY\tGuyana"),
        QStringLiteral("HT\tHaiti"),
        QStringLiteral("HM\tHeard and McDonald Islands"),
        QStringLiteral("VA\tHoly See (Vatican City State)"),
        QStringLiteral("HN\tHonduras"),
        QStringLiteral("HK\tHong Kong"),
        QStringLiteral("HU\tHungary"),
        QStringLiteral("IS\tIceland"),
        QStringLiteral("IN\tIndia"),
        QStringLiteral("ID\tIndonesia"),
        QStringLiteral("IR\tIran (Islamic Republic of)"),
        QStringLiteral("IQ\tIraq"),
        QStringLiteral("IE\tIreland"),
        QStringLiteral("IM\tIsle of Man"),
        QStringLiteral("IL\tIsrael"),
        QStringLiteral("IT\tItaly"),
        QStringLiteral("JM\tJamaica"),
        QStringLiteral("JP\tJapan"),
        QStringLiteral("JE\tJersey"),
        QStringLiteral("JO\tJordan"),
        QStringLiteral("KZ\tKazakhstan"),
        QStringLiteral("KE\tKenya"),
        QStringLiteral("KI\tKiribati"),
        QStringLiteral("KP\tKorea (North)"),
        QStringLiteral("KR\tKorea (South)"),
        QStringLiteral("KW\tKuwait"),
        QStringLiteral("KG\tKyrgyzstan"),
        QStringLiteral("LA\tLao, People's Democratic Republic"),
        QStringLiteral("LV\tLatvia"),
        QStringLiteral("LB\tLebanon"),
        QStringLiteral("LS\tLesotho"),
        QStringLiteral("LR\tLiberia"),
        QStringLiteral("LY\tLibya"),
        QStringLiteral("LI\tLiechtenstein"),
        QStringLiteral("LT\tLithuania"),
        QStringLiteral("LU\tLuxembourg"),
        QStringLiteral("MO\tMacau"),
        QStringLiteral("MK\tMacedonia"),
        QStringLiteral("MG\tMadagascar"),
        QStringLiteral("MW\tMalawi"),
        QStringLiteral("MY\tMalaysia"),
        QStringLiteral("MV\tMaldives"),
        QStringLiteral("ML\tMali"),
        QStringLiteral("MT\tMalta"),
        QStringLiteral("MH\tMarshall Islands"),
        QStringLiteral("MQ\tMartinique"),
        QStringLiteral("MR\tMauritania"),
        QStringLiteral("MU\tMauritius"),
        QStringLiteral("YT\tMayotte"),
        QStringLiteral("MX\tMexico"),
        QStringLiteral("FM\tMicronesia"),
        QStringLiteral("MD\tMoldova"),
        QStringLiteral("MC\tMonaco"),
        QStringLiteral("MN\tMongolia"),
        QStringLiteral("MS\tMontserrat"),
        QStringLiteral("MA\tMorocco"),
        QStringLiteral("MZ\tMozambique"),
        QStringLiteral("MM\tMyanmar"),
        QStringLiteral("NA\tNamibia"),
        QStringLiteral("NR\tNauru"),
        QStringLiteral("NP\tNepal"),
        QStringLiteral("NL\tNetherlands"),
        QStringLiteral("AN\tNetherlands Antilles"),
        QStringLiteral("NC\tNew Caledonia"),
        QStringLiteral("NZ\tNew Zealand"),
        QStringLiteral("NI\tNicaragua"),
        QStringLiteral("NE\tNiger"),
        QStringLiteral("NG\tNigeria"),
        QStringLiteral("NU\tNiue"),
        QStringLiteral("NF\tNorfolk Island"),
        QStringLiteral("MP\tNorthern Mariana Islands"),
        QStringLiteral("NO\tNorway"),
        QStringLiteral("OM\tOman"),
        QStringLiteral("PK\tPakistan"),
        QStringLiteral("PW\tPalau"),
        QStringLiteral("PA\tPanama"),
        QStringLiteral("PG\tPapua New Guinea"),
        QStringLiteral("PY\tParaguay"),
        QStringLiteral("PE\tPeru"),
        QStringLiteral("PH\tPhilippines"),
        QStringLiteral("PN\tPitcairn Island"),
        QStringLiteral("PL\tPoland"),
        QStringLiteral("PT\tPortugal"),
        QStringLiteral("PR\tPuerto Rico"),
        QStringLiteral("QA\tQatar"),
        QStringLiteral("RE\tReunion Island"),
        QStringLiteral("RO\tRomania"),
        QStringLiteral("RU\tRussian Federation"),
        QStringLiteral("RW\tRwanda"),
        QStringLiteral("KN\tSaint Kitts and Nevis"),
        QStringLiteral("LC\tSaint Lucia"),
        QStringLiteral("VC\tSaint Vincent and the Grenadines"),
        QStringLiteral("WS\tSamoa"),
        QStringLiteral("SM\tSan Marino"),
        QStringLiteral("ST\tSao Tome and Principe"),
        QStringLiteral("SA\tSaudi Arabia"),
        QStringLiteral("SN\tSenegal"),
        QStringLiteral("SC\tSeychelles"),
        QStringLiteral("SL\tSierra Leone"),
        QStringLiteral("SG\tSingapore"),
        QStringLiteral("SK\tSlovakia (Slovak Republic)"),
        QStringLiteral("SI\tSlovenia"),
        QStringLiteral("SB\tSolomon Islands"),
        QStringLiteral("SO\tSomalia"),
        QStringLiteral("ZA\tSouth Africa"),
        QStringLiteral("GS\tSouth Georgia and Sandwich Isl."),
        QStringLiteral("ES\tSpain"),
        QStringLiteral("LK\tSri Lanka"),
        QStringLiteral("SH\tSt. Helena"),
        QStringLiteral("PM\tSt. Pierre and Miquelon"),
        QStringLiteral("SD\tSudan"),
        QStringLiteral("SR\tSuriname"),
        QStringLiteral("SJ\tSvalbard and Jan Mayen Islands"),
        QStringLiteral("SZ\tSwaziland"),
        QStringLiteral("SE\tSweden"),
        QStringLiteral("CH\tSwitzerland"),
        QStringLiteral("SY\tSyrian Arab Republic"),
        QStringLiteral("TW\tTaiwan, Republic of China"),
        QStringLiteral("TJ\tTajikistan"),
        QStringLiteral("TZ\tTanzania"),
        QStringLiteral("TH\tThailand"),
        QStringLiteral("TG\tTogo"),
        QStringLiteral("TK\tTokelau"),
        QStringLiteral("TO\tTonga"),
        QStringLiteral("TT\tTrinidad and Tobago"),
        QStringLiteral("TN\tTunisia"),
        QStringLiteral("TR\tTurkey"),
        QStringLiteral("TM\tTurkmenistan"),
        QStringLiteral("TC\tTurks and Caicos Islands"),
        QStringLiteral("TV\tTuvalu"),
        QStringLiteral("UG\tUganda"),
        QStringLiteral("UA\tUkraine"),
        QStringLiteral("AE\tUnited Arab Emirates"),
        QStringLiteral("UK\tUnited Kingdom"),
        QStringLiteral("US\tUnited States"),
        QStringLiteral("UM\tU.S. Minor Outlying Islands"),
        QStringLiteral("UY\tUruguay"),
        QStringLiteral("UZ\tUzbekistan"),
        QStringLiteral("VU\tVanuatu"),
        QStringLiteral("VA\tVatican City State (Holy See)"),
        QStringLiteral("VE\tVenezuela"),
        QStringLiteral("VN\tViet Nam"),
        QStringLiteral("VG\tVirgin Islands (British)"),
        QStringLiteral("VI\tVirgin Islands (U.S.)"),
        QStringLiteral("WF\tWallis and Futuna Islands"),
        QStringLiteral("EH\tWestern Sahara"),
        QStringLiteral("YE\tYemen"),
        QStringLiteral("YU\tYugoslavia"),
        QStringLiteral("ZR\tZaire"),
        QStringLiteral("ZM\tZambia"),
        QStringLiteral("ZW\tZimbabwe"),
    };
    return entries;
}

QString countryDomainEnding(const QString& entry) {
    return QLatin1Char('.') + entry.section(QLatin1Char('\t'), 0, 0);
}

QString countryName(const QString& entry) {
    return entry.section(QLatin1Char('\t'), 1);
}
