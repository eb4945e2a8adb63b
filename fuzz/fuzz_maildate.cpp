// Date parsing never fails; a date it reads is a real calendar day with a time
// of day, and a date it cannot read leaves no rest.
#include "FuzzCheck.h"
#include "mail/headers/MailDate.h"
#include "mail/mime/Text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TextFromBytes(QByteArrayView(data, qsizetype(size)));
    TDateTime when = 1;
    QString rest = QStringLiteral("stale");
    ParseMailDate(text, when, rest);
    if (when == 0) {
        FUZZ_CHECK(rest.isEmpty());
        return 0;
    }
    const QDate date = DateOf(when);
    FUZZ_CHECK(date.isValid() && date.year() >= 1 && date.year() <= 9999);
    FUZZ_CHECK(TimeOf(when).isValid());
    FUZZ_CHECK(EncodeDateTime(date, TimeOf(when)) == when);
    return 0;
}
