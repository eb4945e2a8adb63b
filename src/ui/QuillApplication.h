#pragma once

#include <QApplication>
#include <functional>

// The desktop program's application object. A failure that escapes an event
// handler is handed to OnFailure (which shows it) instead of ending the program
// from the event loop.
class QuillApplication : public QApplication {
    Q_OBJECT
public:
    QuillApplication(int& argc, char** argv);

    // Shows the text of a failure that escaped an event handler.
    std::function<void(const QString& text)> OnFailure;

    bool notify(QObject* receiver, QEvent* event) override;
};
