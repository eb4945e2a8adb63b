#pragma once

#include <QLabel>

// A one-line label that shows its text whole in the room it is given: in its
// own font when that fits, else in the largest smaller one down to the
// window's normal font size, and only past that cut short with "...", the
// whole text then in its tool tip. It never widens its window.
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittedLabel(const QString& text = {}, QWidget* parent = nullptr);

    // The font the text is drawn in at the present width.
    QFont drawnFont() const;
    // The text as drawn: whole, or cut short when even the smallest font is too wide.
    QString drawnText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
