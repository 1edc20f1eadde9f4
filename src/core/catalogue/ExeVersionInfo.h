#pragma once

#include <QByteArrayView>
#include <QString>

namespace scribora::catalogue {

// Reads the version strings of a Windows program file (its VS_VERSIONINFO
// resource) by parsing the PE image itself, so that it works on every platform.
// Keeps only the path: every getter reads the file anew. A file that is not a
// PE image, has no version resource, or is damaged gives empty texts.
class ExeVersionInfo
{
public:
    ExeVersionInfo() = default;
    explicit ExeVersionInfo(const QString &exeName) : m_exeName(exeName) {}

    void SetExeName(const QString &exeName) { m_exeName = exeName; }
    QString GetExeName() const { return m_exeName; }

    QString GetCompanyName() const;
    QString GetFileDescription() const;
    QString GetFileVersion() const;
    QString GetInternalName() const;
    QString GetLegalCopyright() const;
    QString GetLegalTrademarks() const;
    QString GetOriginalFilename() const;
    QString GetProductName() const;
    QString GetProductVersion() const;
    QString GetComments() const;

    // The first to fourth dot-separated part of FileVersion; empty when absent.
    QString GetMajorVersion() const;
    QString GetMinorVersion() const;
    QString GetRelease() const;
    QString GetBuild() const;

    // One string field ("ProductName", ...) of the file's version resource, from
    // the string table of the file's first translation; cut to 259 characters
    // and trimmed. Empty when anything is missing.
    QString GetFileVersionField(const QString &name) const;

    // The same, on a PE image already in memory.
    static QString versionField(QByteArrayView image, const QString &name);

private:
    QString versionPart(int index) const;

    QString m_exeName;
};

} // namespace scribora::catalogue
