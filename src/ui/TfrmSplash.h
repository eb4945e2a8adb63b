#pragma once

#include <QWidget>

class QLabel;

// The start-up window: borderless, on top, centred, 407x319, the product name
// in large type over the first of two pictures. The second picture shows once
// the main window is ready; a moment later the splash goes.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    // Shows the window and paints it at once, before the event loop runs.
    void showNow();
    // Swaps to the second picture, repaints, and closes itself after
    // timSplash's 1500 ms.
    void showSecondPictureAndGo();

    QWidget* pnlPicture1 = nullptr;
    QWidget* pnlPicture2 = nullptr;
    QLabel* lblProduct = nullptr;
};
