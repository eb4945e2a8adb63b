#pragma once

#include <QString>

// A text a person reads, held twice: in English as written in the source, for
// the activity log, files and anything else that must read the same under every
// language, and in the user's language, for the screen. Build it with
// TrText::translate (lupdate collects those calls like QCoreApplication's) or,
// for words that no catalogue can know (a server's own reply), TrText::plain.
class TrText {
public:
    TrText() = default;
    // The same words in every language.
    static TrText plain(const QString& text);
    // Both texts as given: words translated elsewhere (Qt's own, the C library's).
    static TrText bilingual(QString english, QString shown);
    // `source` under `context` in the loaded catalogues; "%n" takes n when n >= 0.
    static TrText translate(const char* context, const char* source,
                            const char* disambiguation = nullptr, int n = -1);

    // QString::arg on both texts; a TrText argument puts its English into the
    // English text and its translation into the translated one.
    template <typename... Args> TrText arg(const Args&... args) const {
        return TrText(m_english.arg(args...), m_shown.arg(args...));
    }
    TrText arg(const TrText& a) const;
    TrText arg(const TrText& a, const TrText& b) const;
    TrText arg(const TrText& a, const TrText& b, const TrText& c) const;
    TrText operator+(const TrText& other) const;
    TrText operator+(const QString& other) const;

    // For the log and files.
    const QString& english() const noexcept { return m_english; }
    // For the screen.
    const QString& shown() const noexcept { return m_shown; }
    bool isEmpty() const noexcept { return m_english.isEmpty(); }
    bool operator==(const TrText& other) const = default;

private:
    TrText(QString english, QString shown)
        : m_english(std::move(english)), m_shown(std::move(shown)) {}
    QString m_english;
    QString m_shown;
};
