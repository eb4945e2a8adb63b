#pragma once

#include "settings/Prompter.h"

#include <QCoreApplication>

// The command line's answer to message boxes: the text goes to standard error;
// questions get the answer the command chose beforehand (No unless told).
class ConsolePrompter : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(ConsolePrompter)
public:
    explicit ConsolePrompter(Answer questionAnswer = Answer::No) : m_answer(questionAnswer) {}
    Answer message(const QString& text, Icon icon, Buttons buttons) override;

private:
    Answer m_answer;
};
