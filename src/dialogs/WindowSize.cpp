#include "dialogs/WindowSize.h"

#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {
// Fits the window into its screen when it shows (a size kept from a larger
// screen or scale) and stores its size when it hides.
class SizeKeeper : public QObject {
public:
    SizeKeeper(QWidget* window, const QString& section) : QObject(window), m_section(section) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) fitIntoScreen(static_cast<QWidget*>(watched));
        if (event->type() == QEvent::Hide) {
            const QSize size = static_cast<QWidget*>(watched)->size();
            try {
                SettingsGroup tree(SettingsStore::tree());
                tree.WriteInteger(m_section, QStringLiteral("Width"), size.width());
                tree.WriteInteger(m_section, QStringLiteral("Height"), size.height());
                tree.commit();
            } catch (const Exception& e) {
                qWarning("%s", qPrintable(e.message()));
            }
        }
        return false;
    }

private:
    static void fitIntoScreen(QWidget* window) {
        const QScreen* where = window->screen();
        if (!where) return;
        // Room for the window frame the desktop adds around it.
        const QRect room = where->availableGeometry().adjusted(0, 0, -16, -48);
        const QSize fitted =
            window->size().boundedTo(room.size()).expandedTo(window->minimumSizeHint());
        if (fitted != window->size()) window->resize(fitted);
        QPoint at = window->pos();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - window->width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() - window->height())));
        if (at != window->pos()) window->move(at);
    }

    QString m_section;
};
} // namespace

namespace WindowSize {

void keep(QWidget* window, const QString& section, QSize defaultSize) {
    const SettingsGroup tree(SettingsStore::tree());
    const QSize stored(tree.ReadInteger(section, QStringLiteral("Width"), -1),
                       tree.ReadInteger(section, QStringLiteral("Height"), -1));
    // Too small a size grows to the window's least when it shows: before that
    // the layout's least is not final.
    window->resize(stored.width() > 0 && stored.height() > 0 ? stored : defaultSize);
    new SizeKeeper(window, section);
}

} // namespace WindowSize
