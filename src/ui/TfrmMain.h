#pragma once

#include "core/MainViewState.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <optional>

class FittedLabel;
class MainController;
class MarkIconProxy;
class MessageListModel;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;
class QTreeView;

// The main window: the title, the banner, the toolbar with its drop-down panel
// of settings commands, the message list and the status bar. It shows the
// controller's MainViewState and rows and hands every click to the controller;
// it decides nothing itself.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 650;
    static constexpr int DefaultHeight = 409;
    static constexpr int TopPanelHeight = 81;

    explicit TfrmMain(MainController& controller, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Shows state (called on every stateChanged()): redraws the parts that
    // differ from the state shown before.
    void render(const MainViewState& state);
    // The selected rows, in list order.
    QList<int> selection() const;
    // Centres the window on its screen.
    void centre();
    // Size, position, maximised state and column widths as the user left them
    // (section "MainWindow" of the settings tree); the first time the default
    // size, centred, with columns fitted to the locale's dates.
    void restoreWindowState();
    // Stores what restoreWindowState restores.
    void saveWindowState() const;
    // The list's columns: size and date as wide as their content, subject and
    // sender sharing the rest by the sender's share (moving the border between
    // them sets it), so that the header always reaches the scroll bar.
    void fitColumns();

    // Controls, named as the rest of the program calls them.
    FittedLabel* lblTitle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblAd = nullptr;
    QToolButton* btList = nullptr;
    QToolButton* btOptions = nullptr;
    QToolButton* btExit = nullptr;
    QToolButton* btMark = nullptr;
    QToolButton* btDelete = nullptr;
    QToolButton* btRemark = nullptr;
    QToolButton* btResetAll = nullptr;
    QToolButton* btLaunch = nullptr;
    QFrame* pnlOptions = nullptr; // btOptions' drop-down panel
    QToolButton* btGeneral = nullptr;
    QToolButton* btSpamSetup = nullptr;
    QToolButton* btStats = nullptr;
    QToolButton* btAbout = nullptr;
    QToolButton* btHelp = nullptr;
    QFrame* Bevel1 = nullptr;
    QTreeView* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Why1 = nullptr;
    QAction* AddtoExceptions1 = nullptr;
    QAction* LearnAsSpam1 = nullptr;
    QAction* LearnAsNotSpam1 = nullptr;
    QAction* AddtoSPAMlist1 = nullptr;
    QAction* ViewHeader1 = nullptr;
    QAction* ViewMessages1 = nullptr;

    // The list's model (the controller's rows with their mark pictures).
    MarkIconProxy* listModel() const { return m_proxy; }

Q_SIGNALS:
    // The window was closed (the program ends).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopPanel();
    void buildOptionsPanel();
    void buildList();
    void buildPopupMenu();
    void showOptionsPanel();
    int columnPadding() const;
    void fitSizeColumn(int first, int last);
    int sharedWidth() const;
    void shareWidth();
    void columnResizedByUser(int column, int width);
    void placeVersion(bool shown);

    MainController& m_controller;
    MessageListModel* m_model = nullptr;
    MarkIconProxy* m_proxy = nullptr;
    QWidget* m_top = nullptr;             // the title, banner and big buttons
    std::optional<MainViewState> m_drawn; // the state on the screen
    QIcon m_idleExitIcon;                 // the exit button's idle face, made once
    double m_senderShare = 0.45;          // the sender's part of the width it shares
    int m_keptSender = 0;                 // a stored sender width not yet made a share
    int m_sizeWidth = 0;                  // the widest size text of the rows
    bool m_sharing = false;               // the columns are being set, not dragged
};
