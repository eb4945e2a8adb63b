#pragma once

#include <QDialog>

// Stands in for a window that is not built yet: says so and names the
// quillmere-cli command that shows the same data meanwhile.
class NotBuiltYet : public QDialog {
    Q_OBJECT
public:
    NotBuiltYet(const QString& title, const QString& what, const QString& command,
                QWidget* parent = nullptr);

    // The spam settings window's stand-in.
    static NotBuiltYet* spamSettings(QWidget* parent = nullptr);
};
