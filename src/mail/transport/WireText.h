#pragma once

#include <QByteArray>
#include <QString>

// Text of bytes received from a server: UTF-8 when they are valid UTF-8,
// otherwise Windows-1252.
QString TextFromWireBytes(const QByteArray& bytes);
