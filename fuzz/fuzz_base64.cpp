// Base64 line decoding either fails with "Invalid Character" or gives at most
// 255 bytes, three for every four characters.
#include "FuzzCheck.h"
#include "mail/Exceptions.h"
#include "mail/mime/Base64.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(data, qsizetype(size));
    try {
        const QByteArray bytes = DecodeBase64Line(text);
        FUZZ_CHECK(bytes.size() <= 255);
        FUZZ_CHECK(bytes.size() <= (text.size() + 3) / 4 * 3);
    } catch (const EMessageParserError& e) {
        FUZZ_CHECK(e.message() == QLatin1String("Invalid Character"));
    }
    return 0;
}
