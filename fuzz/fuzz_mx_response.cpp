// libFuzzer target for the reader of DNS responses: any datagram either gives
// a list of exchangers or an EResolverError, never a read outside the data, a
// hang or another exception.
#include "mail/Exceptions.h"
#include "mail/dns/DnsMessage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(Dns::MaxDatagram)) return 0; // the resolver never reads more than this
    const QByteArray response =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        TMXList list = ParseMXResponse(response);
        list.Sort();
        for (int i = 0; i < list.Count(); ++i) {
            const QString& exchange = list.Items(i).Exchange;
            if (!exchange.isEmpty() && !exchange.endsWith(QLatin1Char('.'))) std::abort();
            if (exchange.size() > 255) std::abort();
            if (i > 0 && list.Items(i - 1).Preference > list.Items(i).Preference) std::abort();
        }
        (void)list.IsNullMX();
    } catch (const EResolverError&) {
    }
    return 0;
}
