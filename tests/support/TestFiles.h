#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QString>
#include <QtTest>

// The whole content of a file; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces a file's content, creating its folder (the calling test fails when it cannot).
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
