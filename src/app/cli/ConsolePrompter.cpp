#include "ConsolePrompter.h"

#include "CliCommand.h"

Prompter::Answer ConsolePrompter::message(const QString& text, Icon icon, Buttons buttons)
{
    const QString kind = icon == Icon::Error     ? ConsolePrompter::tr("error: ")
                         : icon == Icon::Warning ? ConsolePrompter::tr("warning: ")
                                                 : QString();
    cliErr() << kind << text << Qt::endl;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return m_answer == Answer::Yes || m_answer == Answer::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return m_answer == Answer::Ok ? Answer::Yes : m_answer;
    }
    return Answer::Cancel;
}
