// Header word decoding never throws, and a value of at most 255 characters
// decodes to at most 255 characters.
#include "FuzzCheck.h"
#include "mail/mime/HeaderText.h"
#include "mail/mime/Text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TextFromBytes(QByteArrayView(data, qsizetype(size)));
    const QString decoded = DecodeHeaderText(text);
    if (text.size() <= 255) FUZZ_CHECK(decoded.size() <= 255);
    if (!text.contains(QLatin1String("=?"))) FUZZ_CHECK(decoded == text);
    return 0;
}
