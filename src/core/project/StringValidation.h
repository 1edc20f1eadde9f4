#pragma once

#include <QString>

namespace scribora::project {

// Keeps a project name, which becomes a folder and file names, free of unsafe
// characters by cutting it before the first one, as the user types.
class StringValidation
{
public:
    static inline const QString kDefaultInvalidCharacters =
        QStringLiteral("!@#$%^&*()+-=/|{}[]<>,.?;");

    const QString &GetInvalidCharacters() const { return m_invalidCharacters; }
    void SetInvalidCharacters(const QString &characters) { m_invalidCharacters = characters; }

    // The longest beginning of text that holds none of the invalid characters.
    QString Clean(const QString &text) const;

private:
    QString m_invalidCharacters = kDefaultInvalidCharacters;
};

} // namespace scribora::project
