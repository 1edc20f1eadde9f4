#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace scribora::project {

// One catalogue entry: a program or document that the disc menu offers.
// Setters only store the value; the owning DataStore's Modified flag is the
// caller's business.
class ApplicationRecord
{
public:
    // The version every record is written with.
    static inline const QString kCurrentVersion = QStringLiteral("5.03");

    const QString &Version() const { return m_version; }
    const QString &Title() const { return m_title; }
    const QString &Category() const { return m_category; }
    const QString &Description() const { return m_description; }
    const QString &FilePath() const { return m_filePath; }
    const QString &CDPath() const { return m_cdPath; }
    bool IncludeInMenu() const { return m_includeInMenu; }
    const QString &Picture() const { return m_picture; }
    const QString &IconPath() const { return m_iconPath; }
    const QString &LastError() const { return m_lastError; }
    bool InstallViewer() const { return m_installViewer; }
    const QString &ViewerName() const { return m_viewerName; }
    const QString &ViewerPath() const { return m_viewerPath; }

    void SetTitle(const QString &value) { m_title = value; }
    void SetCategory(const QString &value) { m_category = value; }
    void SetDescription(const QString &value) { m_description = value; }
    void SetFilePath(const QString &value) { m_filePath = value; }
    void SetCDPath(const QString &value) { m_cdPath = value; }
    void SetIncludeInMenu(bool value) { m_includeInMenu = value; }
    void SetPicture(const QString &value) { m_picture = value; }
    void SetInstallViewer(bool value) { m_installViewer = value; }
    void SetViewerName(const QString &value) { m_viewerName = value; }
    void SetViewerPath(const QString &value) { m_viewerPath = value; }

    // Appends the record's twelve tagged fields (ANSI, CR LF) to out. Clears
    // LastError first; on failure puts the reason there and returns false.
    bool WriteTo(QByteArray &out);

    // Parses one record from the front of text (the rest of a data store file).
    // Returns the position just behind the record's last closing tag, where the
    // next record is searched, or 0 when the record cannot be read; LastError
    // then says why.
    qsizetype ReadFrom(QByteArrayView text);

private:
    QString m_version = kCurrentVersion;
    QString m_title;
    QString m_category;
    QString m_description;
    QString m_filePath;
    QString m_cdPath;
    bool m_includeInMenu = true;
    QString m_picture;
    QString m_iconPath;
    QString m_lastError;
    bool m_installViewer = false;
    QString m_viewerName;
    QString m_viewerPath;
};

} // namespace scribora::project
