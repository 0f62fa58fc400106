#include "app/services/http_fetch.h"
#include "app/services/visible_text.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The first byte picks how the rest becomes text: as a fetched page (GBK) or as UTF-8, which
// reaches characters GBK cannot express.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString html = (data[0] & 1) ? fendrake::decodeGbk(bytes) : QString::fromUtf8(bytes);
    fendrake::visibleText(html);
    fendrake::parseHtmlDocument(html, QStringLiteral("http://fuzz.test/dir/page.html?q=1"));
    return 0;
}
