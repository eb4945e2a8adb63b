#include "ui/TfrmAbout.h"

#include "mail/Exceptions.h"
#include "settings/GeneralSettings.h"
#include "ui/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QVBoxLayout>

GameBoard::GameBoard(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("GameBoard"));
    setFixedSize(int(SpamCatchGame::Width), int(SpamCatchGame::Height));
    setCursor(Qt::CrossCursor);
    m_timer->setInterval(40);
    connect(m_timer, &QTimer::timeout, this, [this] {
        game.step(m_clock.restart() / 1000.0);
        if (!game.running()) {
            m_timer->stop();
            Q_EMIT roundOver(game.score());
        }
        update();
    });
}

void GameBoard::startRound() {
    game.start(QRandomGenerator::global()->generate());
    m_clock.start();
    m_timer->start();
    Q_EMIT scoreChanged(0);
    update();
}

void GameBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xfd, 0xf6, 0xe3));
    p.setPen(QColor(0x2c, 0x8c, 0x8c));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!game.running()) {
        p.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Spam catcher: click the red junk mail before it lands.\n"
                      "Leave the good mail alone (it costs %1 points).\n\n"
                      "Press Play.")
                       .arg(SpamCatchGame::GoodMailPenalty));
        return;
    }
    for (const SpamCatchGame::Envelope& e : game.envelopes()) {
        const QRectF r = SpamCatchGame::rectOf(e);
        p.setPen(QPen(QColor(0x5b, 0x4a, 0x2e), 1.2));
        p.setBrush(e.spam ? QColor(0xf0, 0x5a, 0x5a) : QColor(0xff, 0xff, 0xff));
        p.drawRect(r);
        p.drawLine(r.topLeft(), r.center() + QPointF(0, 2));
        p.drawLine(r.topRight(), r.center() + QPointF(0, 2));
    }
    p.setPen(Qt::black);
    p.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignTop | Qt::AlignRight,
               tr("%1 s", "seconds left").arg(int(game.timeLeft() + 0.99)));
}

void GameBoard::mousePressEvent(QMouseEvent* event) {
    if (game.click(event->position())) {
        Q_EMIT scoreChanged(game.score());
        update();
    }
}

TfrmAbout::TfrmAbout(GeneralSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_storedPoints(settings.Points) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quillmere"));
    setModal(true);

    auto* logo = new QLabel;
    logo->setPixmap(Icons::pixmap(QStringLiteral("quillmere"), 64));
    auto* name = new QLabel(QStringLiteral("Quillmere"));
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* details =
        new QLabel(tr("Version %1<br>"
                      "A mail pre-filter for POP3 mailboxes: it reads only the headers of "
                      "waiting mail, marks junk by your rules and deletes it on the server "
                      "before your mail program downloads it.<br><br>"
                      "The Quillmere project. Built with Qt %2.<br><br>"
                      "<b>Help</b> in the Settings panel or the tray menu opens the manual "
                      "in your browser. <code>quillmere-cli --help</code> lists what the "
                      "command line companion does.")
                       .arg(QStringLiteral(QUILL_VERSION), QString::fromLatin1(qVersion())));
    details->setObjectName(QStringLiteral("lblDetails"));
    details->setWordWrap(true);

    auto* head = new QHBoxLayout;
    head->addWidget(logo, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(details);
    head->addLayout(text, 1);

    board = new GameBoard;
    lblScore = new QLabel;
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblPoints = new QLabel;
    lblPoints->setObjectName(QStringLiteral("lblPoints"));
    btPlay = new QPushButton(tr("&Play"));
    btPlay->setObjectName(QStringLiteral("btPlay"));
    btOK = new QPushButton(tr("OK"));
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btPlay, &QPushButton::clicked, board, &GameBoard::startRound);
    connect(board, &GameBoard::scoreChanged, this,
            [this](int score) { lblScore->setText(tr("Score: %1").arg(score)); });
    connect(board, &GameBoard::roundOver, this, &TfrmAbout::roundOver);

    auto* scores = new QHBoxLayout;
    scores->addWidget(lblScore);
    scores->addStretch(1);
    scores->addWidget(lblPoints);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btPlay);
    buttons->addStretch(1);
    buttons->addWidget(btOK);

    auto* v = new QVBoxLayout(this);
    v->addLayout(head);
    v->addLayout(scores);
    v->addWidget(board, 0, Qt::AlignHCenter);
    v->addLayout(buttons);
    lblScore->setText(tr("Score: %1").arg(0));
    showPoints();
}

void TfrmAbout::showPoints() {
    lblPoints->setText(tr("Best: %1").arg(m_settings.Points));
}

void TfrmAbout::roundOver(int score) {
    lblScore->setText(tr("Score: %1 - round over").arg(score));
    if (score > m_settings.Points) m_settings.Points = score;
    showPoints();
}

void TfrmAbout::done(int result) {
    if (m_settings.Points != m_storedPoints) {
        try {
            m_settings.savePoints();
            m_storedPoints = m_settings.Points;
        } catch (const Exception&) {
            // The score is a game's; a store that cannot be written loses only it.
        }
    }
    QDialog::done(result);
}
