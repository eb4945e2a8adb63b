#include "dialogs/PasswordStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>

namespace {
class StarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};
} // namespace

void UseStarPasswordCharacter(QLineEdit* field) {
    // One style for every password field, living as long as the application.
    static StarStyle* style = [] {
        auto* s = new StarStyle;
        s->setParent(qApp);
        return s;
    }();
    field->setStyle(style);
}
