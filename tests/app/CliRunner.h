#pragma once

// Running the quillmere-cli this test was built with (QUILL_CLI), on the
// profile the test process names through its XDG variables.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What one run of the command line gave.
struct Run {
    int code = -1;
    QString out, err;
};

// Starts the command with args in locale (LC_ALL), "C" unless given, so that
// dates print the same everywhere. The caller owns the process.
inline QProcess* startCli(const QStringList& args, const QString& locale = QStringLiteral("C")) {
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(QUILL_CLI), args);
    return p;
}

// Ends standard input, waits for the command to end and takes the process
// over; out is what was read of its standard output before.
inline Run finishCli(QProcess* p, QString out = {}) {
    p->closeWriteChannel();
    p->waitForFinished(120000);
    out += QString::fromUtf8(p->readAllStandardOutput());
    Run r{p->exitCode(), out, QString::fromUtf8(p->readAllStandardError())};
    delete p;
    return r;
}

// Runs the command to its end with input on standard input.
inline Run cli(const QStringList& args, const QByteArray& input = {},
               const QString& locale = QStringLiteral("C")) {
    QProcess* p = startCli(args, locale);
    p->write(input);
    return finishCli(p);
}
