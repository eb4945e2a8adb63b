#pragma once

#include "settings/Prompter.h"

#include <functional>

class QWidget;

// Every box and question as a QMessageBox over the program's active window.
class MessageBoxPrompter : public Prompter {
public:
    // Runs before every box (the desktop program hides the splash window there).
    std::function<void()> BeforeShow;

    // Shows the box modally and returns the button pressed (Escape or closing
    // the box answers Cancel, or No when there is no Cancel).
    Answer message(const QString& text, Icon icon, Buttons buttons) override;
};
