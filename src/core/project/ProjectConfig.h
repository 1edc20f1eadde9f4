#pragma once

#include "core/project/CustomError.h"

#include <QString>
#include <QStringList>

namespace scribora::project {

// The project configuration and its ".cdprj" file (8-bit ANSI, CR LF). The project
// file is folder + name + ".cdprj" and the data store folder + name + ".cdc"; the
// configuration itself stores no path.
//
// Every setter except setLanguage marks the configuration dirty; a successful Save
// clears it. Load of a file older than the current format leaves it dirty, so that
// the next save upgrades the file.
class ProjectConfig
{
public:
    // The format every save writes.
    static constexpr const char *CurrentVersion = "5.03";
    static constexpr const char *Extension = ".cdprj";

    ProjectConfig();

    // Reads the file; on success folder() is the file's folder. After a failure the
    // fields read before it keep their new values and errors() holds the reason.
    bool Load(const QString &path);
    // Writes the file through a temporary beside it, so a failed save leaves the
    // old file as it was. An empty path succeeds without writing.
    bool Save(const QString &path);

    bool IsDirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

    // The failure of the last Load or Save; empty when it succeeded.
    const CustomError &errors() const { return m_errors; }

    // Format version of the file last read ("5.03" after a save).
    const QString &version() const { return m_version; }

    const QString &name() const { return m_name; }
    void setName(const QString &name);
    // Project folder with a trailing separator.
    const QString &folder() const { return m_folder; }
    void setFolder(const QString &folder);
    const QString &iconFile() const { return m_iconFile; }
    void setIconFile(const QString &iconFile);
    const QString &searchDirectory() const { return m_searchDirectory; }
    void setSearchDirectory(const QString &searchDirectory);
    const QString &menuType() const { return m_menuType; }
    void setMenuType(const QString &menuType);
    // Does not mark the configuration dirty.
    const QString &language() const { return m_language; }
    void setLanguage(const QString &language) { m_language = language; }

    bool hasZipSupport() const { return m_hasZipSupport; }
    void setHasZipSupport(bool on);
    bool hasRarSupport() const { return m_hasRarSupport; }
    void setHasRarSupport(bool on);
    bool autoAssignPicture() const { return m_autoAssignPicture; }
    void setAutoAssignPicture(bool on);
    bool includeDirectoryInName() const { return m_includeDirectoryInName; }
    void setIncludeDirectoryInName(bool on);
    bool aboutTxtAsExeDescription() const { return m_aboutTxtAsExeDescription; }
    void setAboutTxtAsExeDescription(bool on);
    bool doNotListAboutTxtFiles() const { return m_doNotListAboutTxtFiles; }
    void setDoNotListAboutTxtFiles(bool on);
    bool searchSubDirectories() const { return m_searchSubDirectories; }
    void setSearchSubDirectories(bool on);
    qint32 projectType() const { return m_projectType; }
    void setProjectType(qint32 type);

    // Both lists are kept sorted without regard to case and hold no two entries
    // that differ only in case (the first one added stays). Empty entries are
    // dropped: the file could not hold them.
    const QStringList &fileTypes() const { return m_fileTypes; }
    void setFileTypes(const QStringList &types);
    const QStringList &categories() const { return m_categories; }
    void setCategories(const QStringList &categories);

    // The path of the project file and of the data store for the current folder
    // and name.
    QString projectFilePath() const;
    QString dataStorePath() const;

    // The file's bytes as Save writes them (the version is always the current one).
    QByteArray toBytes() const;

    static const QStringList &defaultFileTypes();
    static const QStringList &defaultCategories();

    // Adds an entry to a list held sorted without regard to case; an entry equal
    // to one already there, ignoring case, leaves the list unchanged.
    static void addSorted(QStringList &list, const QString &entry);

private:
    bool parse(const QString &text, const QString &path);

    QString m_version;
    QString m_name;
    QString m_folder;
    QString m_iconFile;
    QString m_searchDirectory;
    QStringList m_fileTypes;
    QStringList m_categories;
    QString m_menuType;
    bool m_hasZipSupport = true;
    bool m_hasRarSupport = true;
    bool m_autoAssignPicture = false;
    bool m_includeDirectoryInName = false;
    bool m_aboutTxtAsExeDescription = false;
    bool m_doNotListAboutTxtFiles = false;
    bool m_dirty = false;
    QString m_language;
    CustomError m_errors;
    qint32 m_projectType = 0;
    bool m_searchSubDirectories = true;
};

} // namespace scribora::project
