// libFuzzer target for the readers of the POP3 UIDL and LIST listings: any
// block gives one id or size per counted message, or an EServerError for a
// LIST that leaves one out, never a read outside the data or another exception.
#include "mail/Exceptions.h"
#include "mail/pop3/RemotePOP.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte is the message count STAT gave (0 to 255), the rest the block.
    const int count = data[0];
    const QByteArray block =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (TmsRemotePOP::ParseUidlListing(block, count).size() != size_t(count)) std::abort();
    try {
        if (TmsRemotePOP::ParseListListing(block, count).size() != size_t(count)) std::abort();
    } catch (const EServerError&) {
    }
    return 0;
}
