#pragma once

#include <QBuffer>
#include <QString>
#include <QStringList>

// A line reader over a memory stream: the owner fills the stream (write, or
// setData), calls Reset, then reads line after line. Lines end at CR LF, LF or
// CR; after the last line comes the end marker, four characters of code 255,
// with Eof set. The stream is read in chunks of ChunkSize bytes.
class TLineStream : public QBuffer {
    Q_OBJECT
public:
    TLineStream();

    // The next line, or the end marker (and Eof) when there is none.
    void ReadLine(QString& Line);
    // Starts reading again from the beginning of the stream.
    void Reset();
    // The end marker has been returned.
    bool Eof() const { return m_eof; }

    // Bytes read per refill.
    quint16 ChunkSize = 16384;

    // What ReadLine returns after the last line.
    static QString EndMarker();

private:
    void refill();

    QStringList m_lines;
    int m_index = -1;
    bool m_eof = false;
    bool m_lastChunk = false;
};
