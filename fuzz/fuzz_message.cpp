// Decoding any message file either fails in its top-level header or in a
// quoted-printable body paragraph, or gives a message whose error body comes
// with the whole file as "original.eml".
#include "FuzzCheck.h"
#include "mail/Exceptions.h"
#include "mail/message/Message.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    TmsMessage m;
    try {
        m.LoadFromBytes(raw);
    } catch (const EMessageParserError& e) {
        FUZZ_CHECK(e.message() == QLatin1String("Unable to retrieve headers") ||
                   e.message() == QLatin1String("Invalid Character"));
        return 0;
    } catch (const Exception& e) {
        FUZZ_CHECK(e.message() == QLatin1String("Paragraph is too large"));
        return 0;
    }
    const bool errorBody = m.Body.contains(
        QLatin1String("The following error has been occured while processing the message:"));
    if (errorBody) {
        FUZZ_CHECK(m.Attachments.Count() > 0);
        const TmsAttItem* original = m.Attachments.Items(m.Attachments.Count() - 1);
        FUZZ_CHECK(original->FileName() == QLatin1String("original.eml"));
        FUZZ_CHECK(original->Data == raw);
    }
    FUZZ_CHECK(m.Subject.size() <= 255);
    qsizetype decoded = 0;
    for (int i = 0; i < m.Attachments.Count(); ++i)
        decoded += m.Attachments.Items(i)->Data.size();
    // Every decoding shrinks its input, except the CR LF a line gets back and the
    // whole file kept with the error body.
    FUZZ_CHECK(decoded <= 2 * raw.size() + (errorBody ? raw.size() : 0) + 2);
    return 0;
}
