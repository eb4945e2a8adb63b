#include "ui/TfrmSplash.h"

#include "ui/Icons.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QWidget* picture(const QString& icon, const QString& caption, const char* name) {
    auto* panel = new QWidget;
    panel->setObjectName(QLatin1String(name));
    auto* v = new QVBoxLayout(panel);
    auto* image = new QLabel;
    image->setPixmap(Icons::pixmap(icon, 128));
    image->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(caption);
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet(QStringLiteral("color: #5b4a2e;"));
    v->addWidget(image);
    v->addWidget(text);
    return panel;
}
} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(407, 319);
    setStyleSheet(QStringLiteral("#frmSplash { background: #fdf6e3; border: 2px solid #2c8c8c; }"));
    setAutoFillBackground(true);

    lblProduct = new QLabel(QStringLiteral("Quillmere"));
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont big = lblProduct->font();
    big.setPointSize(30);
    big.setBold(true);
    lblProduct->setFont(big);
    lblProduct->setAlignment(Qt::AlignCenter);
    lblProduct->setStyleSheet(QStringLiteral("color: #155050;"));

    pnlPicture1 = picture(QStringLiteral("ANIM1"), tr("Starting ..."), "pnlPicture1");
    pnlPicture2 = picture(QStringLiteral("ANIM2"), tr("Ready"), "pnlPicture2");
    pnlPicture2->hide();

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblProduct);
    v->addWidget(pnlPicture1, 1);
    v->addWidget(pnlPicture2, 1);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(QUILL_VERSION)));
    version->setAlignment(Qt::AlignCenter);
    v->addWidget(version);
}

void TfrmSplash::showNow() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmSplash::showSecondPictureAndGo() {
    pnlPicture1->hide();
    pnlPicture2->show();
    repaint();
    auto* timSplash = new QTimer(this);
    timSplash->setObjectName(QStringLiteral("timSplash"));
    timSplash->setSingleShot(true);
    timSplash->setInterval(1500);
    connect(timSplash, &QTimer::timeout, this, &QWidget::close);
    timSplash->start();
}
