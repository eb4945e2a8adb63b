#include "dialogs/WindowSize.h"

#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"

#include <QEvent>
#include <QWidget>

namespace {
// Stores the window's size when it hides.
class SizeKeeper : public QObject {
public:
    SizeKeeper(QWidget* window, const QString& section) : QObject(window), m_section(section) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
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
    QString m_section;
};
} // namespace

namespace WindowSize {

void keep(QWidget* window, const QString& section, QSize defaultSize) {
    const SettingsGroup tree(SettingsStore::tree());
    const QSize stored(tree.ReadInteger(section, QStringLiteral("Width"), -1),
                       tree.ReadInteger(section, QStringLiteral("Height"), -1));
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    window->resize(stored.width() >= least.width() && stored.height() >= least.height()
                       ? stored
                       : defaultSize.expandedTo(least));
    new SizeKeeper(window, section);
}

} // namespace WindowSize
