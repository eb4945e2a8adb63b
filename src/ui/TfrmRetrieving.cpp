#include "ui/TfrmRetrieving.h"

#include "ui/Icons.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

MailAnimation::MailAnimation(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("anMail"));
    setFixedHeight(40);
    setMinimumWidth(200);
    m_timer->setInterval(FrameMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % FrameCount;
        update();
    });
}

void MailAnimation::start() {
    m_frame = 0;
    m_timer->start();
    update();
}

void MailAnimation::stop() {
    m_timer->stop();
}

bool MailAnimation::isRunning() const {
    return m_timer->isActive();
}

void MailAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int h = height() - 8;
    // The server on the left, the mailbox on the right, the envelope between.
    Icons::named(QStringLiteral("stats")).paint(&p, QRect(0, 4, h, h));
    Icons::named(QStringLiteral("up")).paint(&p, QRect(width() - h, 4, h, h));
    const int span = width() - 3 * h;
    const int x = h + span * m_frame / (FrameCount - 1);
    Icons::named(QStringLiteral("launch")).paint(&p, QRect(x, 4 + (m_frame % 2), h, h));
}

TfrmRetrieving::TfrmRetrieving(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmRetrieving"));
    setWindowTitle(tr("Retrieving ..."));
    setModal(false);

    lblTitle = new QLabel(tr("Retrieving messages ... standby"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblMsg = new QLabel;
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblServer = new QLabel;
    lblServer->setObjectName(QStringLiteral("lblServer"));
    lblMailbox = new QLabel;
    lblMailbox->setObjectName(QStringLiteral("lblMailbox"));
    anMail = new MailAnimation;
    progbar = new QProgressBar;
    progbar->setObjectName(QStringLiteral("progbar"));
    btCancel = new QPushButton(tr("Click to cancel"));
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(btCancel, &QPushButton::clicked, this, [this] {
        if (OnCancel) OnCancel();
    });

    auto* form = new QFormLayout;
    form->addRow(tr("Server:"), lblServer);
    form->addRow(tr("Mailbox:"), lblMailbox);
    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addLayout(form);
    v->addWidget(anMail);
    v->addWidget(lblMsg);
    v->addWidget(progbar);
    v->addWidget(btCancel, 0, Qt::AlignHCenter);
    progbar->hide();
    fitSize();
}

void TfrmRetrieving::fitSize() {
    const QSize hint = sizeHint();
    setFixedSize(std::max(360, hint.width()), std::max(230, hint.height()));
}

void TfrmRetrieving::render(const ProgressState& state) {
    // Only what differs from what is shown is touched.
    const bool all = !m_shown;
    const ProgressState& was = all ? state : *m_shown;
    const auto differs = [&](auto member) { return all || was.*member != state.*member; };
    if (differs(&ProgressState::Title)) lblTitle->setText(state.Title);
    if (differs(&ProgressState::lblMsg)) lblMsg->setText(state.lblMsg);
    if (differs(&ProgressState::Server)) lblServer->setText(state.Server);
    if (differs(&ProgressState::Mailbox)) lblMailbox->setText(state.Mailbox);
    if (differs(&ProgressState::BarVisible)) progbar->setVisible(state.BarVisible);
    if (differs(&ProgressState::BarMax) || differs(&ProgressState::BarPosition)) {
        progbar->setMaximum(std::max(0, state.BarMax));
        progbar->setValue(std::clamp(state.BarPosition, 0, std::max(0, state.BarMax)));
    }
    if (differs(&ProgressState::Title) || differs(&ProgressState::lblMsg) ||
        differs(&ProgressState::Server) || differs(&ProgressState::Mailbox) ||
        differs(&ProgressState::BarVisible))
        fitSize();
    m_shown = state;
    if (state.Visible && !isVisible()) {
        if (QWidget* owner = parentWidget(); owner && owner->isVisible())
            move(owner->geometry().center() - rect().center());
        show();
        raise();
    } else if (!state.Visible && isVisible()) {
        hide();
    }
}

void TfrmRetrieving::showEvent(QShowEvent* event) {
    anMail->start();
    QDialog::showEvent(event);
}

void TfrmRetrieving::hideEvent(QHideEvent* event) {
    anMail->stop();
    QDialog::hideEvent(event);
}

void TfrmRetrieving::reject() {
    if (OnCancel) OnCancel();
}

void TfrmRetrieving::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        if (OnCancel) OnCancel();
        event->ignore(); // the controller's state hides the window
        return;
    }
    event->accept();
}
