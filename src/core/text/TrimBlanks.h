#pragma once

#include <QString>
#include <QStringView>

namespace scribora::text {

// Cuts the space and every control character (everything up to U+0020) from both
// ends, as the program's text files have always been trimmed; a no-break space or
// another Unicode space is kept.
QStringView trimBlanks(QStringView s);

} // namespace scribora::text
