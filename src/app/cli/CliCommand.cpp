#include "CliCommand.h"

#include "settings/ProfileLock.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
std::vector<const CliCommand*>& registry()
{
    static std::vector<const CliCommand*> commands;
    return commands;
}
} // namespace

CliCommand::CliCommand(const char* n, const char* u, const char* s, Handler h)
    : name(n), usage(u), summary(s), handler(h)
{
    registry().push_back(this);
}

QString CliCommand::usageText() const {
    // An empty text is no message: it stays empty.
    return *usage ? tr(usage) : QString();
}

QString CliCommand::summaryText() const {
    return tr(summary);
}

QString CliCommand::usageLine() const {
    return tr("usage: quillmere-cli %1 %2").arg(QLatin1String(name), usageText());
}

std::vector<const CliCommand*> CliCommand::all()
{
    auto list = registry();
    std::sort(list.begin(), list.end(),
              [](const CliCommand* a, const CliCommand* b) { return std::strcmp(a->name, b->name) < 0; });
    return list;
}

QTextStream& cliOut()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& cliErr()
{
    static QTextStream s(stderr);
    return s;
}

int cliUsage(const char* name)
{
    for (const CliCommand* c : CliCommand::all()) {
        if (std::strcmp(c->name, name) == 0) {
            cliErr() << c->usageLine() << Qt::endl;
            break;
        }
    }
    return ExitUsage;
}

bool cliLockProfile(ProfileLock& lock)
{
    if (lock.tryLock()) return true;
    cliErr() << ProfileLock::busyText() << Qt::endl;
    return false;
}
