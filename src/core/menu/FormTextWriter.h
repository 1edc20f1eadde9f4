#pragma once

#include "core/menu/FormValue.h"

#include <QByteArray>

namespace scribora::menu {

// Writes form text exactly as the class library lays it out: two spaces per
// level, CR LF, strings in lines of at most 64 characters joined by " +", only
// ASCII (quotes, control characters and everything above 127 as "#" codes),
// binary data in lines of 32 bytes.
class FormTextWriter
{
public:
    static QByteArray write(const FormObject &root);

    // One line's worth of string pieces: 'it'#39's'; '' for the empty string.
    static QByteArray stringPieces(QStringView text);

    static constexpr int stringLineLength = 64;
    static constexpr int binaryLineBytes = 32;
};

} // namespace scribora::menu
