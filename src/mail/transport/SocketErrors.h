#pragma once

#include "mail/TrText.h"

#include <QAbstractSocket>
#include <QString>
#include <QStringList>

// The sockets error code (10000-11004) that stands for a Qt socket error.
int SocketErrorCode(QAbstractSocket::SocketError error);
// A text for a sockets error code; empty when there is none.
TrText SocketErrorText(int code);
// The library text of code with each "%s" replaced by the next of args.
TrText FormatLibraryText(int code, const QList<TrText>& args);
// A text Qt (or the C library) gave in the user's language, with its English
// words found again where Qt's network texts hold it, so that the log reads the
// same under every language; a text found nowhere stays as it is.
TrText QtText(const QString& shown);
// strerror(code) in the user's language, and in English.
TrText SystemErrorText(int code);
