#pragma once

#include "core/project/CustomError.h"

#include <QString>

namespace scribora::online {

// The program's web addresses, read from the application configuration file
// ("App.dll" in the program folder). A file whose extension is exactly ".dll" is
// enciphered; any other is read as the plain sections. Read afresh for every use.
class AppConfig
{
public:
    // True when the file was read and parsed; false with the reason in errors().
    bool Load(const QString &path);

    const project::CustomError &errors() const { return m_errors; }

    const QString &newsURL() const { return m_newsURL; }
    const QString &softwareURL() const { return m_softwareURL; }
    const QString &forumsURL() const { return m_forumsURL; }
    const QString &supportURL() const { return m_supportURL; }
    const QString &homepageURL() const { return m_homepageURL; }
    const QString &updateFileURL() const { return m_updateFileURL; }

    // The section headers, in the order the file holds them.
    static const QStringList &sectionNames();

    // Files this large are not a configuration; refusing them keeps a stray big
    // file from being read whole into memory.
    static constexpr qint64 maxFileSize = 1 << 20;

private:
    void parse(const QString &text);

    project::CustomError m_errors;
    QString m_newsURL;
    QString m_softwareURL;
    QString m_forumsURL;
    QString m_supportURL;
    QString m_homepageURL;
    QString m_updateFileURL;
};

} // namespace scribora::online
