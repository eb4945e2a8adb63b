#include "mail/transport/LineStream.h"

#include "mail/mime/Text.h"

#include <QList>

TLineStream::TLineStream() {
    open(QIODevice::ReadWrite);
}

QString TLineStream::EndMarker() {
    return QString(4, QChar(0xFF));
}

void TLineStream::ReadLine(QString& Line) {
    ++m_index;
    if (m_index < m_lines.size()) {
        Line = m_lines.at(m_index);
        return;
    }
    if (!m_lastChunk) {
        refill();
        m_index = 0;
        if (!m_lines.isEmpty()) {
            Line = m_lines.first();
            return;
        }
    }
    Line = EndMarker();
    m_eof = true;
}

void TLineStream::Reset() {
    m_index = -1;
    m_lines.clear();
    m_eof = false;
    seek(0);
    m_lastChunk = false;
}

void TLineStream::refill() {
    QByteArray chunk = read(ChunkSize);
    m_lastChunk = chunk.size() < ChunkSize;
    // The last line of a chunk may go on in the next one: read it again then.
    const qsizetype lastLine = chunk.lastIndexOf('\n') + 1;
    seek(pos() - (chunk.size() - lastLine));
    if (!m_lastChunk) chunk.truncate(lastLine);

    m_lines.clear();
    qsizetype from = 0;
    while (from < chunk.size()) {
        qsizetype end = from;
        while (end < chunk.size() && chunk[end] != '\n' && chunk[end] != '\r')
            ++end;
        m_lines << TextFromBytes(chunk.mid(from, end - from));
        if (end < chunk.size() && chunk[end] == '\r' && end + 1 < chunk.size() &&
            chunk[end + 1] == '\n')
            ++end;
        from = end + 1;
    }
}
