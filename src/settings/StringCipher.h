#pragma once

#include <QByteArray>
#include <QString>

enum TActionType { atEncryption, atDecryption };

// The key both holders of a cipher use, so that either can read what the other wrote.
inline const QString PasswordCipherKey = QStringLiteral("zoki");

// Turns a password into printable hexadecimal text and back. Works on the UTF-8
// bytes of the text, so any password comes back unchanged.
class TStringCipher {
public:
    QString Key;
    QString Input;
    QString Output;
    TActionType Action = atEncryption;

    // Sets Output from Input: empty for an empty Input; else enciphered (a random
    // first byte, then one hexadecimal pair per byte) or deciphered. Throws
    // EConvertError when deciphering text that is not hexadecimal pairs.
    void Execute();

    // Enciphers plain bytes with the given first byte r (0 to 255).
    static QString encipherBytes(const QByteArray& key, const QByteArray& plain, int r);
    // Deciphers hexadecimal text into bytes; throws EConvertError on a pair that is
    // not hexadecimal.
    static QByteArray decipherBytes(const QByteArray& key, const QString& cipher);
};
