#pragma once

#include <QString>

// Every message box and question of the program goes through this one
// interface: the windows show a real box, the command line prints or answers
// by its options, and tests script the answers.
class Prompter {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // Shows text with the icon and buttons and returns the button pressed.
    // Implementations hide the splash window first when it is showing.
    virtual Answer message(const QString& text, Icon icon, Buttons buttons) = 0;

    // Shorthands for the common boxes.
    void error(const QString& text) { message(text, Icon::Error, Buttons::Ok); }
    void warning(const QString& text) { message(text, Icon::Warning, Buttons::Ok); }
    void information(const QString& text) { message(text, Icon::Information, Buttons::Ok); }
};
