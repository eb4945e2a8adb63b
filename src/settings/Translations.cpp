#include "settings/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace Translations {
namespace {

// "de_DE.UTF-8@euro" -> {"de_DE", "de"}; an English or C locale -> {"en"}.
QStringList candidates(QString locale)
{
    locale = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    if (locale.isEmpty()) return {};
    if (locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {QStringLiteral("en")};
    const QString language = locale.section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("en")) return {QStringLiteral("en")};
    QStringList out{locale};
    if (language != locale) out << language;
    return out;
}

} // namespace

QStringList wantedLanguages()
{
    QStringList wanted;
    auto add = [&wanted](const QString& locale) {
        for (const QString& c : candidates(locale)) {
            if (c == QLatin1String("en")) return false;
            if (!wanted.contains(c)) wanted << c;
        }
        return true;
    };
    const QString list = qEnvironmentVariable("LANGUAGE");
    for (const QString& entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!add(entry)) return wanted;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty()) continue;
        add(value);
        break;
    }
    return wanted;
}

QString install()
{
    auto* app = QCoreApplication::instance();
    for (const QString& language : wantedLanguages()) {
        const QString ours = QStringLiteral(":/i18n/quillmere_%1.qm").arg(language);
        if (!QFile::exists(ours)) continue;
        auto* own = new QTranslator(app);
        if (!own->load(ours)) {
            delete own;
            continue;
        }
        auto* qt = new QTranslator(app);
        if (qt->load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(language)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        QCoreApplication::installTranslator(own);
        return language;
    }
    return {};
}

} // namespace Translations
