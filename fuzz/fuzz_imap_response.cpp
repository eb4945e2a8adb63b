// libFuzzer target for the IMAP response reader: any bytes give responses or
// an EServerError, never a read outside the data, a hang or another exception;
// and the same bytes give the same responses whether they arrive at once or in
// pieces (the first input byte chooses the size of the pieces).
#include "FuzzCheck.h"
#include "mail/Exceptions.h"
#include "mail/imap/ImapResponse.h"
#include "mail/imap/ImapText.h"

#include <cstdint>

namespace {

// What a response holds, as one text to compare.
QByteArray summary(const ImapResponse& r) {
    QByteArray out = QByteArray::number(int(r.kind)) + '|' + r.tag + '|' +
                     QByteArray::number(int(r.status)) + '|' + r.code.name + '|' + r.code.raw +
                     '|' + QByteArray::number(r.code.args.size()) + '|' + r.text + '|' + r.name +
                     '|' + QByteArray::number(r.number) + '|' + QByteArray::number(r.data.size());
    const ImapFetch& f = r.fetch;
    if (f.uid) {
        FUZZ_CHECK(*f.uid != 0);
        out += "|uid" + QByteArray::number(*f.uid);
    }
    if (f.size) out += "|size" + QByteArray::number(*f.size);
    if (f.header) out += "|header" + *f.header;
    if (f.body) out += "|body" + *f.body;
    if (f.flags) out += "|flags" + QByteArray::number(f.flags->size());
    if (const std::optional<ImapFolder> folder = listedFolder(r))
        out += "|folder" + folder->name.toUtf8();
    return out;
}

QByteArrayList readAll(QByteArrayView bytes, qsizetype step) {
    ImapReader reader;
    reader.setLiteralLimit(4096);
    QByteArrayList out;
    try {
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            reader.feed(bytes.sliced(at, std::min(step, bytes.size() - at)));
            ImapResponse r;
            while (reader.next(r))
                out << summary(r);
        }
    } catch (const EServerError& e) {
        out << "error " + e.message().toUtf8();
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 65536) return 0;
    const qsizetype step = 1 + data[0] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    FUZZ_CHECK(readAll(bytes, bytes.size() + 1) == readAll(bytes, step));
    // The folder names' and UID sets' readers take any text too.
    const QString name = decodeFolderName(bytes);
    FUZZ_CHECK(decodeFolderName(encodeFolderName(name)) == name);
    if (const std::optional<QList<quint32>> uids = uidSetValues(bytes, 10000))
        FUZZ_CHECK(uidSetValues(uidSetText(*uids), 10000) == uids);
    return 0;
}
