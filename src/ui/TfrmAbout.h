#pragma once

#include "ui/SpamCatchGame.h"

#include <QDialog>
#include <QElapsedTimer>

class GeneralSettings;
class QLabel;
class QPushButton;
class QTimer;

// The game's field: draws a SpamCatchGame and feeds it clicks and time.
class GameBoard : public QWidget {
    Q_OBJECT
public:
    explicit GameBoard(QWidget* parent = nullptr);

    SpamCatchGame game;
    // Starts a round.
    void startRound();

Q_SIGNALS:
    // The score changed (a hit) or the round ended.
    void scoreChanged(int score);
    void roundOver(int score);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer* m_timer;
    QElapsedTimer m_clock;
};

// The About box: Quillmere's name, version and project, and the game whose best
// score is kept as "Points".
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    TfrmAbout(GeneralSettings& settings, QWidget* parent = nullptr);

    // A round ended with score: a new best becomes Points (stored when the box closes).
    void roundOver(int score);

    QLabel* lblPoints = nullptr;
    QLabel* lblScore = nullptr;
    QPushButton* btPlay = nullptr;
    QPushButton* btOK = nullptr;
    GameBoard* board = nullptr;

protected:
    void done(int result) override;

private:
    void showPoints();

    GeneralSettings& m_settings;
    int m_storedPoints;
};
