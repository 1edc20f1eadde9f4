#include "core/text/VersionText.h"

#include "core/text/Ansi.h"

#include <cstring>

namespace scribora::text {

int compareVersionText(const QString &a, const QString &b)
{
    const QByteArray x = toAnsi(a);
    const QByteArray y = toAnsi(b);
    const int c = std::memcmp(x.constData(), y.constData(), size_t(qMin(x.size(), y.size())));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

} // namespace scribora::text
