// Reading fields from any header block never throws; values that are decoded
// hold at most 255 characters.
#include "FuzzCheck.h"
#include "mail/headers/Headers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TmsHeaders headers;
    headers.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // The field names of the input itself, besides the ones the program reads.
    QStringList names{"Subject", "From", "Date", "Reply-to:", "Content-Type", "X-UIDL", "TO", ""};
    for (const QString& line : std::as_const(headers))
        if (const qsizetype colon = line.indexOf(u':'); colon >= 0 && names.size() < 16)
            names.append(line.left(colon));

    QStringList list;
    for (const QString& name : std::as_const(names)) {
        const QString value = headers.GetFieldValue(name);
        if (name.compare(QLatin1String("Content-Type"), Qt::CaseInsensitive) != 0 &&
            name.compare(QLatin1String("X-UIDL"), Qt::CaseInsensitive) != 0)
            FUZZ_CHECK(value.size() <= 255);
        headers.GetFieldList(name, list);
        for (const QString& item : std::as_const(list))
            FUZZ_CHECK(item.size() <= 255);
    }
    const qsizetype before = headers.size();
    headers.DeleteField(names.last());
    FUZZ_CHECK(headers.size() <= before);
    headers.StripBody();
    FUZZ_CHECK(!headers.contains(QString()));
    return 0;
}
