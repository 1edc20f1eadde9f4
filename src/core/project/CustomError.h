#pragma once

#include <QString>

namespace scribora::project {

// The most recent failure text of the object that owns it. Replaced at the start
// of every load and save; for diagnostics (CLI, tests), never shown in a box.
class CustomError
{
public:
    // Replaces the text with the message and a CR LF; earlier reports are not kept.
    void Report(const QString &message) { m_text = message + QStringLiteral("\r\n"); }
    const QString &Text() const { return m_text; }

    void clear() { m_text.clear(); }
    bool isEmpty() const { return m_text.isEmpty(); }

private:
    QString m_text;
};

} // namespace scribora::project
