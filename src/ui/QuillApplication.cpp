#include "ui/QuillApplication.h"

#include "mail/Exceptions.h"

#include <exception>

QuillApplication::QuillApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillApplication::notify(QObject* receiver, QEvent* event) {
    QString text;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        text = FailureText(e).shown();
    } catch (...) {
        text = TrText::translate("Exception", "Internal error: %1")
                   .arg(TrText::translate("Exception", "unknown"))
                   .shown();
    }
    if (OnFailure)
        OnFailure(text);
    else
        qWarning("%s", qPrintable(text));
    return false;
}
