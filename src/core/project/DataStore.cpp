#include "core/project/DataStore.h"

#include "core/project/ProgressSink.h"
#include "core/project/TaggedText.h"
#include "core/text/Ansi.h"
#include "core/text/InternetDate.h"
#include "core/text/VersionText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <numeric>

namespace scribora::project {

using namespace tagged;

namespace {

QDateTime wholeSeconds(const QDateTime &t)
{
    QDateTime out = t;
    const QTime time = t.time();
    out.setTime(QTime(time.hour(), time.minute(), time.second()));
    return out;
}

// Shows the operation from start to end, whichever way it leaves.
class ProgressScope
{
public:
    ProgressScope(ProgressSink *sink, const QString &caption) : m_sink(sink)
    {
        if (m_sink)
            m_sink->begin(caption, 0);
    }
    ~ProgressScope()
    {
        if (m_sink)
            m_sink->end();
    }
    void setTotal(qsizetype total)
    {
        if (m_sink)
            m_sink->setTotal(total);
    }
    void step()
    {
        if (m_sink)
            m_sink->step();
    }

private:
    ProgressSink *m_sink;
};

QString messageOf(const std::exception &e)
{
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return QStringLiteral("Out of memory");
    if (const auto *f = dynamic_cast<const FormatError *>(&e))
        return f->message();
    return QString::fromLocal8Bit(e.what());
}

// The smallest record the writer makes: twelve empty fields with the two flags.
constexpr qsizetype kSmallestRecord = 110;

} // namespace

DataStore::DataStore() : m_buildDate(wholeSeconds(QDateTime::currentDateTime())) {}

DataStore::~DataStore() = default;

void DataStore::Clear()
{
    m_records.clear();
    m_error.reset();
}

ApplicationRecord *DataStore::AddRecord(const QString &filePath, const QString &cdPath,
                                        const QString &title, const QString &description,
                                        const QString &category, bool includeInMenu,
                                        const QString &picture, bool installViewer,
                                        const QString &viewerName, const QString &viewerPath)
{
    auto record = std::make_unique<ApplicationRecord>();
    record->SetFilePath(filePath);
    record->SetCDPath(cdPath);
    record->SetTitle(title);
    record->SetDescription(description);
    record->SetCategory(category);
    record->SetIncludeInMenu(includeInMenu);
    record->SetPicture(picture);
    record->SetInstallViewer(installViewer);
    record->SetViewerName(viewerName);
    record->SetViewerPath(viewerPath);
    m_records.push_back(std::move(record));
    return m_records.back().get();
}

std::unique_ptr<ApplicationRecord> DataStore::TakeRecord(int index)
{
    (void)m_records.at(size_t(index)); // range check
    const auto it = m_records.begin() + index;
    std::unique_ptr<ApplicationRecord> record = std::move(*it);
    m_records.erase(it);
    return record;
}

void DataStore::InsertRecord(int index, std::unique_ptr<ApplicationRecord> record)
{
    if (index < 0 || size_t(index) > m_records.size())
        throw std::out_of_range("DataStore::InsertRecord: index out of range");
    m_records.insert(m_records.begin() + index, std::move(record));
}

namespace {

// Titles compare by their lower-cased ANSI bytes, unsigned, a prefix first.
void sortByTitle(std::vector<std::unique_ptr<ApplicationRecord>> &records, bool descending)
{
    std::vector<QByteArray> keys;
    keys.reserve(records.size());
    for (const auto &r : records)
        keys.push_back(text::toAnsi(text::ansiLower(r->Title())));
    const auto less = [&keys](size_t a, size_t b) {
        const QByteArray &x = keys[a];
        const QByteArray &y = keys[b];
        const int c = std::memcmp(x.constData(), y.constData(), size_t(qMin(x.size(), y.size())));
        return c != 0 ? c < 0 : x.size() < y.size();
    };
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), size_t(0));
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&less](size_t a, size_t b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    std::vector<std::unique_ptr<ApplicationRecord>> sorted;
    sorted.reserve(records.size());
    for (size_t i : order)
        sorted.push_back(std::move(records[i]));
    records = std::move(sorted);
}

} // namespace

void DataStore::SortAscending() { sortByTitle(m_records, false); }
void DataStore::SortDescending() { sortByTitle(m_records, true); }

void DataStore::SetBrFlag(bool value) { m_brFlag = value; m_modified = true; }
void DataStore::SetHasCategories(bool value) { m_hasCategories = value; m_modified = true; }
void DataStore::SetZipSupport(bool value) { m_zipSupport = value; m_modified = true; }
void DataStore::SetRarSupport(bool value) { m_rarSupport = value; m_modified = true; }
void DataStore::SetIconFile(const QString &value) { m_iconFile = value; m_modified = true; }

void DataStore::SetBuildDate(const QDateTime &value)
{
    m_buildDate = value.isValid() ? wholeSeconds(value.toLocalTime()) : text::zeroDateTime();
    m_modified = true;
}

bool DataStore::buildBytes(QByteArray &out, const std::function<void()> &step,
                           QString &error) const
{
    out.reserve(out.size() + qsizetype(m_records.size()) * 512 + 256);
    append(out, VS, text::toAnsi(kCurrentVersion));
    appendFlag(out, BR, m_brFlag);
    appendFlag(out, HS, m_hasCategories);
    appendFlag(out, ZS, m_zipSupport);
    append(out, AC, QByteArray::number(qulonglong(m_records.size())));
    for (const auto &record : m_records) {
        // A record that cannot be written would be missing from the file.
        if (!record->WriteTo(out)) {
            error = record->LastError();
            return false;
        }
        step();
    }
    append(out, ICF, text::toAnsi(m_iconFile));
    appendFlag(out, RS, m_rarSupport);
    append(out, BD, text::toAnsi(text::toInternetDate(m_buildDate)));
    return true;
}

QByteArray DataStore::ToBytes() const
{
    QByteArray out;
    QString error;
    return buildBytes(out, [] {}, error) ? out : QByteArray();
}

bool DataStore::Save(const QString &path, ProgressSink *progress)
{
    ProgressScope scope(progress, QStringLiteral("Saving"));
    m_error = std::make_unique<CustomError>();
    try {
        const QFileInfo target(path);
        // A folder or a write-protected file in the way is not replaced.
        if (target.exists() && (target.isDir() || !target.isWritable())) {
            m_error->Report(QStringLiteral("Unable to remove the old File List File"));
            return false;
        }
        QSaveFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) {
            m_error->Report(QStringLiteral("Unable to create the new File List File"));
            return false;
        }

        QByteArray out;
        QString error;
        scope.setTotal(qsizetype(m_records.size()));
        if (!buildBytes(out, [&scope] { scope.step(); }, error)) {
            m_error->Report(error);
            return false;
        }

        if (file.write(out) != out.size()) {
            m_error->Report(file.errorString());
            file.cancelWriting();
            return false;
        }
        if (!file.commit()) {
            m_error->Report(target.exists() ? QStringLiteral("Unable to remove the old File List File")
                                            : file.errorString());
            return false;
        }
        m_modified = false;
        return true;
    } catch (const std::exception &e) {
        m_error->Report(messageOf(e));
    }
    return false;
}

bool DataStore::Load(const QString &path, ProgressSink *progress)
{
    ProgressScope scope(progress, QStringLiteral("Loading"));
    m_error = std::make_unique<CustomError>();
    if (path.isEmpty()) {
        m_error->Report(QStringLiteral("No DataStore file name was given."));
        return false;
    }
    try {
        QFile file(path);
        if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
            m_error->Report(QStringLiteral("Unable to open DataStore file."));
            return false;
        }
        if (file.isSequential()) {
            m_error->Report(QStringLiteral("Unable to deturmine DataStore file length."));
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            m_error->Report(file.errorString());
            return false;
        }
        file.close();

        // The store's own fields are searched in the whole file; the header
        // comes first, so its tags are found before any record's.
        const QByteArrayView all(bytes);
        m_version = text::fromAnsi(value(all, VS));
        m_brFlag = toInt(value(all, BR)) != 0;
        m_hasCategories = toInt(value(all, HS)) != 0;
        m_zipSupport = toInt(value(all, ZS)) != 0;
        const QByteArrayView countText = value(all, AC);
        const int count = toInt(countText);
        if (count < 0)
            throw FormatError(QStringLiteral("'%1' is not a valid record count")
                                  .arg(text::fromAnsi(countText)));

        // Each record is read from the rest of the file, which starts behind the
        // previous record's last closing tag; an offset into the one buffer
        // stands for that rest, so nothing is copied.
        qsizetype offset = endOf(all, AC);
        scope.setTotal(count);
        m_records.reserve(m_records.size() + size_t(qMin<qsizetype>(count, all.size() / kSmallestRecord)));
        for (int i = 0; i < count; ++i) {
            auto record = std::make_unique<ApplicationRecord>();
            const qsizetype used = record->ReadFrom(all.sliced(offset));
            if (used == 0) {
                m_error->Report(record->LastError());
                return false;
            }
            m_records.push_back(std::move(record));
            scope.step();
            offset += used;
        }

        if (!text::versionBelow(m_version, QStringLiteral("4")))
            m_iconFile = text::fromAnsi(value(all, ICF));
        if (!text::versionBelow(m_version, QStringLiteral("4.01")))
            m_rarSupport = toInt(value(all, RS)) != 0;
        if (!text::versionBelow(m_version, QStringLiteral("5.04")))
            m_buildDate = text::fromInternetDate(text::fromAnsi(value(all, BD)));
        m_modified = false;
        return true;
    } catch (const std::exception &e) {
        m_error->Report(messageOf(e));
    }
    return false;
}

} // namespace scribora::project
