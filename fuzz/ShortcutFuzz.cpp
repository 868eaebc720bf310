// The banner's Internet shortcut: whatever the file holds, the reader
// gives nothing or an absolute http(s) address with a host.
#include <cstdio>
#include <cstdlib>

#include "Shortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto url =
        dzwonex::WebLinkFromShortcut(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!url) return 0;
    const QString scheme = url->scheme().toLower();
    if (!url->isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url->host().isEmpty() || url->isRelative()) {
        std::fprintf(stderr, "not a web address: %s\n", qPrintable(url->toString()));
        std::abort();
    }
    return 0;
}
