#include "mail/TrText.h"

#include <QCoreApplication>

TrText TrText::plain(const QString& text) {
    return TrText(text, text);
}

TrText TrText::bilingual(QString english, QString shown) {
    return TrText(std::move(english), std::move(shown));
}

TrText TrText::translate(const char* context, const char* source, const char* disambiguation,
                         int n) {
    QString english = QString::fromUtf8(source);
    if (n >= 0) english.replace(QLatin1String("%n"), QString::number(n));
    return TrText(std::move(english),
                  QCoreApplication::translate(context, source, disambiguation, n));
}

TrText TrText::arg(const TrText& a) const {
    return TrText(m_english.arg(a.m_english), m_shown.arg(a.m_shown));
}

TrText TrText::arg(const TrText& a, const TrText& b) const {
    return TrText(m_english.arg(a.m_english, b.m_english), m_shown.arg(a.m_shown, b.m_shown));
}

TrText TrText::arg(const TrText& a, const TrText& b, const TrText& c) const {
    return TrText(m_english.arg(a.m_english, b.m_english, c.m_english),
                  m_shown.arg(a.m_shown, b.m_shown, c.m_shown));
}

TrText TrText::operator+(const TrText& other) const {
    return TrText(m_english + other.m_english, m_shown + other.m_shown);
}

TrText TrText::operator+(const QString& other) const {
    return TrText(m_english + other, m_shown + other);
}
