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
        text = QStringLiteral("Internal error: unknown");
    }
    if (OnFailure)
        OnFailure(text);
    else
        qWarning("%s", qPrintable(text));
    return false;
}
