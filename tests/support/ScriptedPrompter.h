#pragma once

#include "settings/Prompter.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a script and records every box shown. With the
// script empty, an Ok box answers Ok and a question answers the fallback.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    // Queues the answer for the next box.
    void answerNext(Answer a) { m_script.append(a); }
    void setFallback(Answer a) { m_fallback = a; }

    Answer message(const QString& text, Icon icon, Buttons buttons) override;

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    QList<Answer> m_script;
    QList<Shown> m_shown;
    Answer m_fallback = Answer::Cancel;
};
