#include "ui/Icons.h"

#include <QHash>
#include <QPainter>
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

// Renders an SVG into an icon at the sizes the windows use, so that small
// pictures come out crisp instead of scaled down from a large one.
QIcon render(const QString& path) {
    QSvgRenderer svg(path);
    QIcon icon;
    if (!svg.isValid()) return icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(draw(svg, size));
    return icon;
}

QIcon cached(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, render(QStringLiteral(":/icons/%1.svg").arg(name)));
    return *it;
}
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

} // namespace Icons

void Icons::useDesktopIconTheme() {
    const QString adwaita = QStringLiteral("Adwaita");
    const QString hicolor = QStringLiteral("hicolor");
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == hicolor)
        QIcon::setFallbackThemeName(adwaita);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == hicolor) QIcon::setThemeName(adwaita);
}
