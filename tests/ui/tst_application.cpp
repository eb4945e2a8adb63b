// The desktop program's application object: a failure that escapes an event
// handler is shown, and the program goes on.
#include "mail/Exceptions.h"
#include "ui/QuillApplication.h"

#include <QTest>
#include <stdexcept>

namespace {
// An object whose events fail the way a fault of the program would, or one of ours.
class Faulty : public QObject {
public:
    bool ours = false;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        if (ours) throw EServerError(QStringLiteral("-ERR no"));
        throw std::out_of_range("index 7 of 3");
    }
};
} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failureOfAnEventHandlerIsShown() {
        auto* app = qobject_cast<QuillApplication*>(QCoreApplication::instance());
        QVERIFY(app);
        QStringList shown;
        app->OnFailure = [&shown](const QString& text) { shown << text; };
        Faulty faulty;
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&faulty);
        faulty.ours = true;
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&faulty);
        QCOMPARE(shown, (QStringList{"Internal error: index 7 of 3", "-ERR no"}));
        app->OnFailure = nullptr;
    }
};

int main(int argc, char** argv) {
    QuillApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
