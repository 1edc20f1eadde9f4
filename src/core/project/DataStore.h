#pragma once

#include "core/project/ApplicationRecord.h"
#include "core/project/CustomError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace scribora::project {

class ProgressSink;

// The project's catalogue: the ordered list of entries of the disc menu and the
// project-wide values the menu player reads from the ".cdc" file. Owns its records.
class DataStore
{
public:
    // The version every data store file is written with.
    static inline const QString kCurrentVersion = QStringLiteral("5.04");

    DataStore();
    ~DataStore();
    DataStore(const DataStore &) = delete;
    DataStore &operator=(const DataStore &) = delete;

    // Reads a data store file, appending its records (callers load into a fresh
    // store). On failure the records read so far stay, Error() says why and
    // Modified is unchanged. progress, when given, moves once per record.
    bool Load(const QString &path, ProgressSink *progress = nullptr);
    // Replaces the file at path with this store's contents. The new file is
    // written beside the old one and renamed over it, so a failed save leaves
    // the old file as it was.
    bool Save(const QString &path, ProgressSink *progress = nullptr);
    // The file's bytes as Save writes them; empty if a record cannot be written.
    QByteArray ToBytes() const;

    // Frees every record and discards Error. Modified is unchanged.
    void Clear();
    // Appends a new record; Modified is unchanged (callers mark it).
    ApplicationRecord *AddRecord(const QString &filePath, const QString &cdPath,
                                 const QString &title, const QString &description,
                                 const QString &category, bool includeInMenu,
                                 const QString &picture, bool installViewer,
                                 const QString &viewerName, const QString &viewerPath);
    // Order the records by their lower-cased titles; Modified is unchanged.
    void SortAscending();
    void SortDescending();

    int RecordCount() const { return int(m_records.size()); }
    ApplicationRecord *Record(int index) const { return m_records.at(size_t(index)).get(); }
    // Takes the record at index out of the list and hands it to the caller.
    std::unique_ptr<ApplicationRecord> TakeRecord(int index);
    // Removes the record at index and frees it.
    void RemoveRecord(int index) { TakeRecord(index); }
    // Puts a record (for example one taken out before) at index, 0..RecordCount().
    void InsertRecord(int index, std::unique_ptr<ApplicationRecord> record);

    bool IsModified() const { return m_modified; }
    void SetModified() { m_modified = true; }

    void SetBrFlag(bool value);
    void SetHasCategories(bool value);
    void SetZipSupport(bool value);
    void SetRarSupport(bool value);
    void SetIconFile(const QString &value);
    // Kept to whole seconds, as the file holds them.
    void SetBuildDate(const QDateTime &value);

    const QString &Version() const { return m_version; }
    bool BrFlag() const { return m_brFlag; }
    bool HasCategories() const { return m_hasCategories; }
    bool ZipSupport() const { return m_zipSupport; }
    bool RarSupport() const { return m_rarSupport; }
    const QString &IconFile() const { return m_iconFile; }
    const QDateTime &BuildDate() const { return m_buildDate; }
    // The failure of the last Load or Save; null before the first and after Clear.
    const CustomError *Error() const { return m_error.get(); }
    // Error's text, or empty.
    QString ErrorText() const { return m_error ? m_error->Text() : QString(); }

private:
    // Builds the file's bytes, calling step after each record; false with the
    // failing record's LastError in error.
    bool buildBytes(QByteArray &out, const std::function<void()> &step, QString &error) const;

    QString m_version = kCurrentVersion;
    bool m_brFlag = false;
    bool m_hasCategories = true;
    bool m_zipSupport = true;
    bool m_rarSupport = true;
    bool m_modified = false;
    std::unique_ptr<CustomError> m_error;
    QString m_iconFile;
    QDateTime m_buildDate;
    std::vector<std::unique_ptr<ApplicationRecord>> m_records;
};

} // namespace scribora::project
