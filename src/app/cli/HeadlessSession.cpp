#include "HeadlessSession.h"

#include "CliCommand.h"

HeadlessSession::~HeadlessSession() {
    if (m_controller) m_controller->FormCloseQuery();
}

int HeadlessSession::start() {
    if (!m_lock.tryLock()) {
        cliErr() << ProfileLock::busyText() << Qt::endl;
        return ExitProfileBusy;
    }
    // Unattended: a locked keyring fails the mailbox rather than prompting on
    // a desktop the command's user may not be looking at, and nothing waits
    // for the clock.
    m_controller = std::make_unique<MainController>(view, prompter, sound, shell, nullptr,
                                                    /*attended=*/false);
    m_controller->FormCreate();
    return ExitOk;
}

int HeadlessSession::check(int slot) {
    MainController& c = *m_controller;
    if (c.checkSlot(slot)) return ExitOk;
    if (!c.untrustedCertificate().isEmpty())
        // Nobody is asked here: the user decides with the fingerprint in hand.
        cliErr() << "To trust this certificate for mailbox " << c.rowsSlot()
                 << ", check its fingerprint and run:\n  quillmere-cli mailbox " << c.rowsSlot()
                 << " --trust-fingerprint " << readableFingerprint(c.untrustedCertificate())
                 << Qt::endl;
    if (c.LastFailure().isEmpty())
        cliErr() << "mailbox " << (slot != 0 ? slot : c.currentSlot()) << " was not checked"
                 << Qt::endl;
    return ExitFailure;
}

bool takeMailboxOption(QStringList& args, int& slot, const char* command) {
    slot = 0;
    const qsizetype at = args.indexOf(QStringLiteral("--mailbox"));
    if (at < 0) return true;
    bool ok = false;
    slot = args.value(at + 1).toInt(&ok);
    if (!ok || !MailboxConfig::isSlot(slot)) {
        cliErr() << "quillmere-cli " << command << ": --mailbox takes a slot number from 1 to 12"
                 << Qt::endl;
        return false;
    }
    args.remove(at, 2);
    return true;
}

QString markName(int mark) {
    switch (mark) {
    case NoMark:
        return QStringLiteral("-");
    case CheckMark:
        return QStringLiteral("delete");
    case QuestionMark:
        return QStringLiteral("question");
    case BlacklistMark:
        return QStringLiteral("blacklist");
    }
    return QStringLiteral("exception %1").arg(mark);
}

void printRows(const MainController& controller, bool markedOnly) {
    const QList<MessageRow>& rows = controller.rows();
    for (int i = 0; i < rows.size(); ++i) {
        const MessageRow& row = rows[i];
        if (markedOnly && !isMarked(row.Mark)) continue;
        cliOut() << QStringLiteral("%1  %2  %3  (%4, %5 bytes, %6)")
                        .arg(i, 3)
                        .arg(markName(row.Mark), -12)
                        .arg(row.Subject, row.Sender, row.Size, row.Date)
                 << '\n';
    }
}
