#include "core/project/StringValidation.h"

namespace scribora::project {

QString StringValidation::Clean(const QString &text) const
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (m_invalidCharacters.contains(text[i]))
            return text.left(i);
    return text;
}

} // namespace scribora::project
