#pragma once

#include "core/MainViewState.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small mail animation of the progress window: an envelope travelling
// across in ten frames of 300 ms.
class MailAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameCount = 10;
    static constexpr int FrameMs = 300;

    explicit MailAnimation(QWidget* parent = nullptr);
    void start();
    void stop();
    bool isRunning() const;
    int frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QTimer* m_timer;
    int m_frame = 0;
};

// The progress window "Retrieving ...": not modal, centred, showing what the
// controller's ProgressState says; "Click to cancel" calls OnCancel.
class TfrmRetrieving : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRetrieving(QWidget* parent = nullptr);

    // Shows, updates or hides the window as state says, touching only what
    // differs from the state shown before.
    void render(const ProgressState& state);

    std::function<void()> OnCancel;

    QLabel* lblTitle = nullptr;
    QLabel* lblMsg = nullptr;
    QLabel* lblServer = nullptr;
    QLabel* lblMailbox = nullptr;
    MailAnimation* anMail = nullptr;
    QProgressBar* progbar = nullptr;
    QPushButton* btCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape and the window's close box cancel like the button; a close the
    // program itself asks for (at its end) just closes.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // 360 x 230, or larger where the texts shown need it.
    void fitSize();

    std::optional<ProgressState> m_shown;
};
