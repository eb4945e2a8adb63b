// Quoted-printable decoding of any lines either fails with "Paragraph is too
// large" or writes no more than the lines hold plus a line break each.
#include "FuzzCheck.h"
#include "mail/Exceptions.h"
#include "mail/mime/QuotedPrintable.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArrayList lines = raw.split('\n');
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    try {
        TQuotedPrintable(&out, lines).Decode();
        FUZZ_CHECK(out.data().size() <= raw.size() + 2 * lines.size());
    } catch (const EMessageParserError&) {
        FUZZ_CHECK(false);
    } catch (const Exception& e) {
        FUZZ_CHECK(e.message() == QLatin1String("Paragraph is too large"));
    }
    return 0;
}
