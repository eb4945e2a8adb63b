#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <iterator>

// A message header as a list of lines in the order received; continuation
// lines (beginning with a space or a tab) are entries of their own and are
// joined only when a value is read.
//
// A check holds one for every waiting message, so the lines are kept once, in
// one compact form: their text as UTF-8, back to back, and where each ends. A
// line is made a QString when it is read.
class TmsHeaders {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QString;

        const_iterator() = default;
        const_iterator(const TmsHeaders* headers, qsizetype i) : m_headers(headers), m_i(i) {}
        QString operator*() const { return m_headers->at(m_i); }
        const_iterator& operator++() {
            ++m_i;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator was = *this;
            ++m_i;
            return was;
        }
        bool operator==(const const_iterator& o) const { return m_i == o.m_i; }

    private:
        const TmsHeaders* m_headers = nullptr;
        qsizetype m_i = 0;
    };

    TmsHeaders() = default;
    // The given lines, as they stand.
    TmsHeaders(const QStringList& lines);
    TmsHeaders(std::initializer_list<QString> lines);

    // Replaces the lines with those of raw, split at CR LF, LF or CR. Each line
    // is read as UTF-8 when it is valid UTF-8, else as Windows-1252.
    void LoadFromBytes(const QByteArray& raw);

    // The value of the first field called Name, continuation lines joined, decoded.
    QString GetFieldValue(const QString& Name) const;
    // Every comma-separated item of every field that starts with Name, decoded.
    void GetFieldList(const QString& Name, QStringList& List) const;
    // Removes the first field called Name with its continuation lines.
    void DeleteField(const QString& Name);
    // Removes the first empty line and everything after it.
    void StripBody();

    // The lines as a list.
    QStringList toStringList() const;
    operator QStringList() const { return toStringList(); }

    qsizetype size() const { return m_ends.size(); }
    qsizetype count() const { return size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    // Line i (0 <= i < size()).
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    qsizetype indexOf(const QString& line, qsizetype from = 0) const;
    bool contains(const QString& line) const { return indexOf(line) >= 0; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

    void append(const QString& line);
    TmsHeaders& operator<<(const QString& line) {
        append(line);
        return *this;
    }
    void clear();
    // Removes n lines from line i on.
    void remove(qsizetype i, qsizetype n = 1);
    void removeAt(qsizetype i) { remove(i, 1); }
    // Keeps the first n lines (or adds empty ones up to n).
    void resize(qsizetype n);

    // The compact form, for keeping the lines elsewhere: their UTF-8 text back to
    // back, and where each line ends in it.
    const QByteArray& packedText() const { return m_text; }
    const QList<int>& packedEnds() const { return m_ends; }
    // Replaces the lines with those of a compact form; false (nothing changed)
    // when text is not UTF-8 or ends do not rise within it up to its end.
    bool setPacked(const QByteArray& text, const QList<int>& ends);

    bool operator==(const TmsHeaders&) const = default;

private:
    qsizetype startOf(qsizetype i) const { return i == 0 ? 0 : m_ends[i - 1]; }
    QByteArrayView bytesOf(qsizetype i) const {
        return QByteArrayView(m_text).sliced(startOf(i), m_ends[i] - startOf(i));
    }
    // Whether line i begins with prefix, compared as QString::startsWith does
    // without regard to case.
    bool startsWith(qsizetype i, const QString& prefix, const QByteArray& asciiPrefix) const;
    // The first line at or after from that begins with field.
    qsizetype findField(const QString& field, qsizetype from = 0) const;
    bool isContinuation(qsizetype i) const;
    void appendBytes(QByteArrayView utf8);

    QByteArray m_text; // the lines' text as UTF-8, back to back
    QList<int> m_ends; // where each line's text ends in m_text
};

// Skip words are removed (each up to and including its first space); with
// Single the result ends at the next space. ExtractWord("+OK 3 abc", 2, true) is "abc".
QString ExtractWord(const QString& Text, int Skip, bool Single);
