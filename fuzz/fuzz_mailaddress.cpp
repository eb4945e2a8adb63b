// Address parsing never fails and keeps both fields within 255 characters.
#include "FuzzCheck.h"
#include "mail/headers/HeaderWords.h"
#include "mail/headers/MailAddress.h"
#include "mail/mime/Text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TextFromBytes(QByteArrayView(data, qsizetype(size)));
    QString address, name;
    SplitMailAddress(text, address, name);
    FUZZ_CHECK(address.size() <= 255 && name.size() <= 255);
    if (!text.contains(u'<') && !text.contains(u'('))
        FUZZ_CHECK(address == text.left(255) && name.isEmpty());
    // The routines the message reader applies to the same kind of text.
    GetHeaderParam(QStringLiteral("name"), text);
    FirstToken(text);
    return 0;
}
