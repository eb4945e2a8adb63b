#include "ui/Icons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {
QPixmap draw(QSvgRenderer& svg, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, size, size));
    return pm;
}

// One of our square SVG pictures at whatever size it is asked for: crisp in a
// list row, on a screen scaled by two and on a printer's page alike.
class SvgPicture : public QIconEngine {
public:
    explicit SvgPicture(const QString& path) : m_path(path) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24),
                QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        if (side <= 0) return {};
        const QString key = QStringLiteral("quillmere-svg:%1:%2:%3")
                                .arg(m_path)
                                .arg(side)
                                .arg(mode == QIcon::Disabled ? 1 : 0);
        QPixmap pm;
        if (QPixmapCache::find(key, &pm)) return pm;
        QSvgRenderer svg(m_path);
        pm = draw(svg, side);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &option);
        }
        QPixmapCache::insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const int type = device ? device->devType() : QInternal::Widget;
        if (type != QInternal::Widget && type != QInternal::Pixmap && type != QInternal::Image) {
            // On paper the picture stays a drawing, at the printer's resolution.
            QSvgRenderer svg(m_path);
            svg.render(painter, QRectF(rect));
            return;
        }
        const qreal ratio = device ? device->devicePixelRatioF() : qApp->devicePixelRatio();
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QIconEngine* clone() const override { return new SvgPicture(m_path); }
    QString key() const override { return QStringLiteral("QuillmereSvgPicture"); }

private:
    QString m_path;
};

QIcon cached(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
        it = cache.insert(name, QFile::exists(path) ? QIcon(new SvgPicture(path)) : QIcon());
    }
    return *it;
}

// Whether the icon theme in use keeps its full-colour pictures of old in
// "legacy" folders beside its current, flat "-symbolic" ones (as Adwaita does).
bool themeKeepsOldPicturesAside() {
    static QHash<QString, bool> known;
    const QString theme = QIcon::themeName();
    auto it = known.constFind(theme);
    if (it != known.cend()) return *it;
    bool aside = false;
    for (const QString& folder : QIcon::themeSearchPaths()) {
        QFile index(QDir(folder).filePath(theme + QStringLiteral("/index.theme")));
        if (!index.open(QIODevice::ReadOnly)) continue;
        while (!index.atEnd()) {
            const QByteArray line = index.readLine().trimmed();
            if (line.startsWith("Directories=")) {
                aside = line.contains("/legacy");
                break;
            }
        }
        break;
    }
    known.insert(theme, aside);
    return aside;
}

// The program's style over the desktop's: push buttons in dialogs show their
// text without pictures and with room beside it, and the pictures the style
// takes from the icon theme (message boxes, arrows, file dialogs) come in the
// theme's current, flat form.
class QuillStyle : public QProxyStyle {
public:
    explicit QuillStyle(QStyle* desktop) : QProxyStyle(desktop) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // Room on either side of a button's text, so that it never reaches the edges.
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (type == CT_PushButton && button && !button->text.isEmpty())
            size.setWidth(
                qMax(size.width(), contents.width() + 4 * option->fontMetrics.averageCharWidth()));
        return size;
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        const QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        if (icon.name().isEmpty()) return icon;
        const QIcon flat = Icons::themed(icon.name());
        return flat.isNull() ? icon : flat;
    }
};
} // namespace

namespace Icons {

QIcon mark(int state) {
    if (state < 0 || state >= MarkCount) return {};
    return cached(QStringLiteral("B%1").arg(state));
}

QPixmap markPixmap(int state) {
    const QIcon icon = mark(state);
    return icon.isNull() ? QPixmap() : icon.pixmap(16, 16);
}

QIcon named(const QString& name) {
    return cached(name);
}

QPixmap pixmap(const QString& name, int size) {
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(name));
    return svg.isValid() ? draw(svg, size) : QPixmap();
}

QIcon themed(const QString& name) {
    const QString symbolic =
        name.endsWith(QLatin1String("-symbolic")) ? name : name + QStringLiteral("-symbolic");
    if (themeKeepsOldPicturesAside() && QIcon::hasThemeIcon(symbolic))
        return QIcon::fromTheme(symbolic);
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    return QIcon::fromTheme(symbolic);
}

} // namespace Icons

void Icons::useDesktopIconTheme() {
    const QString adwaita = QStringLiteral("Adwaita");
    const QString hicolor = QStringLiteral("hicolor");
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == hicolor)
        QIcon::setFallbackThemeName(adwaita);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == hicolor) QIcon::setThemeName(adwaita);
    // Over the style in use (the desktop's, or the one asked for with -style),
    // which the program's style then owns.
    if (!dynamic_cast<QuillStyle*>(QApplication::style()))
        QApplication::setStyle(new QuillStyle(QApplication::style()));
}
