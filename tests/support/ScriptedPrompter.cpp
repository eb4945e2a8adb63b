#include "support/ScriptedPrompter.h"

Prompter::Answer ScriptedPrompter::message(const QString& text, Icon icon, Buttons buttons)
{
    m_shown.append({text, icon, buttons});
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return buttons == Buttons::Ok ? Answer::Ok : m_fallback;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Shown& s : m_shown)
        out << s.text;
    return out;
}
