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
        cliErr() << tr("To trust this certificate for mailbox %1, check its fingerprint and run:")
                        .arg(c.rowsSlot())
                 << "\n  quillmere-cli mailbox " << c.rowsSlot() << " --trust-fingerprint "
                 << readableFingerprint(c.untrustedCertificate()) << Qt::endl;
    if (c.LastFailure().isEmpty())
        cliErr() << tr("mailbox %1 was not checked").arg(slot != 0 ? slot : c.currentSlot())
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
        cliErr() << HeadlessSession::tr(
                        "quillmere-cli %1: --mailbox takes a slot number from 1 to 12")
                        .arg(QLatin1String(command))
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
        return HeadlessSession::tr("delete", "mark");
    case QuestionMark:
        return HeadlessSession::tr("question", "mark");
    case BlacklistMark:
        return HeadlessSession::tr("blacklist", "mark");
    }
    return HeadlessSession::tr("exception %1", "mark").arg(mark);
}

void printRows(const MainController& controller, bool markedOnly) {
    const QList<MessageRow>& rows = controller.rows();
    for (int i = 0; i < rows.size(); ++i) {
        const MessageRow& row = rows[i];
        if (markedOnly && !isMarked(row.Mark)) continue;
        cliOut() << HeadlessSession::tr("%1  %2  %3  (%4, %5 bytes, %6)")
                        .arg(i, 3)
                        .arg(markName(row.Mark), -12)
                        .arg(row.Subject, row.Sender, row.Size, row.Date)
                 << '\n';
    }
}
