#pragma once

#include <QAbstractSocket>
#include <QString>
#include <QStringList>

// The sockets error code (10000-11004) that stands for a Qt socket error.
int SocketErrorCode(QAbstractSocket::SocketError error);
// A text for a sockets error code; empty when there is none.
QString SocketErrorText(int code);
// The library text of code with each "%s" replaced by the next of args.
QString FormatLibraryText(int code, const QStringList& args);
