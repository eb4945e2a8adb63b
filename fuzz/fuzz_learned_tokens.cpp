// The learned judgement's tokens of any header block: reading them never fails,
// and the keys a check hashes straight from the header are the keys of the
// token texts "Why" names, in the same order.
#include "FuzzCheck.h"
#include "mail/headers/Headers.h"
#include "rules/LearnedTokens.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TmsHeaders headers;
    headers.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    LearnedTokenizer tokenizer;
    tokenizer.ownDomains = {QStringLiteral("isp.example"), QStringLiteral("mail.example.org")};
    QList<quint64> hashes;
    const QStringList tokens = tokenizer.tokens(headers, &hashes);
    FUZZ_CHECK(hashes.size() == tokens.size());
    for (qsizetype i = 0; i < tokens.size(); ++i)
        FUZZ_CHECK(LearnedTokenizer::hash(tokens[i]) == hashes[i]);
    std::vector<quint64> keys;
    tokenizer.keys(headers, keys);
    FUZZ_CHECK(QList<quint64>(keys.begin(), keys.end()) == hashes);
    return 0;
}
