#pragma once

#include <QString>

#include <ostream>

// Readable QString values in failure messages of this folder's tests.
static inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
