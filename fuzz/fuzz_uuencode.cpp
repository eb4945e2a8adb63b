// Uuencode: begin lines and file names never fail; a line either fails with
// "Invalid Character" or gives no more bytes than its first character promises.
#include "FuzzCheck.h"
#include "mail/Exceptions.h"
#include "mail/mime/Text.h"
#include "mail/mime/UUCode.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView line(data, qsizetype(size));
    const QString text = TextFromBytes(line);
    if (IsUUBeginLine(text)) FUZZ_CHECK(UUFileName(text).size() <= text.size());
    try {
        const QByteArray bytes = DecodeUULine(line);
        FUZZ_CHECK(size == 0 || bytes.size() <= qMax(0, int(data[0]) - 32));
        FUZZ_CHECK(bytes.size() <= 255);
    } catch (const EMessageParserError& e) {
        FUZZ_CHECK(e.message() == QLatin1String("Invalid Character"));
    }
    return 0;
}
