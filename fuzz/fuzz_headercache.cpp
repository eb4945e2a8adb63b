// A header cache file is taken only when it is whole: whatever the bytes,
// reading them never fails badly, and bytes it takes are written back byte for
// byte, every entry found under its key and size. The input is a file without
// its checksum, which is added, so that the reading behind it is what runs;
// the input as it stands is read too.
#include "FuzzCheck.h"
#include "mail/cache/HeaderCache.h"

#include <QtEndian>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    char sum[8];
    qToLittleEndian(HeaderCache::checksum(body), sum);
    const QByteArray file = body + QByteArray(sum, 8);

    HeaderCache raw({"pop.example.org", "ann", "INBOX"});
    if (raw.decode(body)) FUZZ_CHECK(raw.encode() == body);

    HeaderCache cache({"pop.example.org", "ann", "INBOX"});
    if (!cache.decode(file)) {
        FUZZ_CHECK(cache.isEmpty() && cache.changed());
        return 0;
    }
    FUZZ_CHECK(!cache.changed());
    FUZZ_CHECK(cache.encode() == file);
    for (const HeaderCache::Entry& e : cache.entries()) {
        FUZZ_CHECK(cache.find(e.Key, e.Size) == &e.Headers);
        FUZZ_CHECK(!cache.find(e.Key, e.Size ^ 1));
    }
    return 0;
}
