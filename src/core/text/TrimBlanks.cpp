#include "core/text/TrimBlanks.h"

namespace scribora::text {

QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && s[end - 1].unicode() <= ' ')
        --end;
    return s.mid(begin, end - begin);
}

} // namespace scribora::text
