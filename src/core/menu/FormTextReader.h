#pragma once

#include "core/menu/FormValue.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace scribora::menu {

// Where and why a form text could not be read.
struct FormTextError
{
    int line = 0;
    QString reason;

    QString toString() const { return QStringLiteral("line %1: %2").arg(line).arg(reason); }
};

// Reads the class library's form text: one root object block with its properties
// and child blocks. Accepts everything the format allows (inherited/inline
// headers, indexes, every value kind, '' inside quotes, raw ANSI bytes in
// strings); rejects anything else with the line and a short reason. Never reads
// past the input, and nesting is bounded, so no input can crash or hang it.
class FormTextReader
{
public:
    static std::optional<FormObject> read(QByteArrayView text, FormTextError *error = nullptr);

    // Deeper nesting of blocks and values than this is refused.
    static constexpr int maxDepth = 200;
};

} // namespace scribora::menu
