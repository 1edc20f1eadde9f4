#include "core/project/ProjectConfig.h"

#include "core/text/Ansi.h"
#include "core/text/TrimBlanks.h"
#include "core/text/VersionText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace scribora::project {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A failure while reading; its text is what errors() reports.
struct ReadFailure
{
    QString message;
};

// A value is one line of the file: a line break inside it would split it and
// shift everything after it, so it is written as a space.
QString oneLine(QString s)
{
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

qint32 toInteger(const QString &value)
{
    bool ok = false;
    const qint32 n = text::trimBlanks(value).toInt(&ok, 10);
    if (!ok)
        throw ReadFailure{QStringLiteral("'%1' is not a valid integer value").arg(value)};
    return n;
}

// Reads the file text by searching for section headers, the way the files have
// always been read: a header is found anywhere in the text that remains, and its
// value is the line after the header's line. Lines end at LF; a CR before it is
// part of the line end.
class SectionReader
{
public:
    explicit SectionReader(const QString &text) : m_text(text) {}

    qsizetype size() const { return m_text.size(); }

    // Position just past the end of the line that contains pos.
    qsizetype nextLine(qsizetype pos) const
    {
        const qsizetype lf = m_text.indexOf(QLatin1Char('\n'), pos);
        return lf < 0 ? m_text.size() : lf + 1;
    }

    // The line that starts at pos, without its line end; hasEnd tells whether it
    // had one.
    QString lineAt(qsizetype pos, bool *hasEnd = nullptr) const
    {
        const qsizetype lf = m_text.indexOf(QLatin1Char('\n'), pos);
        qsizetype end = lf < 0 ? m_text.size() : lf;
        if (hasEnd)
            *hasEnd = lf >= 0;
        if (end > pos && m_text[end - 1] == QLatin1Char('\r'))
            --end;
        return m_text.mid(pos, end - pos);
    }

    // Finds header from pos; returns the position of the line that follows the
    // header's line, or nothing when the header is absent.
    std::optional<qsizetype> find(const QString &header, qsizetype pos) const
    {
        if (pos > m_text.size())
            return std::nullopt;
        const qsizetype at = m_text.indexOf(header, pos);
        if (at < 0)
            return std::nullopt;
        return nextLine(at + header.size());
    }

    // The value of a one-line section searched from *pos; on success *pos moves
    // past the value's line.
    std::optional<QString> takeValue(const QString &header, qsizetype *pos) const
    {
        const std::optional<qsizetype> at = find(header, *pos);
        if (!at)
            return std::nullopt;
        const QString value = lineAt(*at);
        *pos = nextLine(*at);
        return value;
    }

    // The value of a one-line section searched from pos, leaving pos alone.
    std::optional<QString> peekValue(const QString &header, qsizetype pos) const
    {
        return takeValue(header, &pos);
    }

    // The lines after header up to the first empty one; *pos moves past that
    // empty line. Nothing when the header is absent.
    std::optional<QStringList> takeList(const QString &header, qsizetype *pos) const
    {
        const std::optional<qsizetype> at = find(header, *pos);
        if (!at)
            return std::nullopt;
        QStringList lines;
        qsizetype p = *at;
        while (p < m_text.size()) {
            bool hasEnd = false;
            const QString line = lineAt(p, &hasEnd);
            p = nextLine(p);
            if (line.isEmpty())
                break;
            lines.append(line);
            if (!hasEnd)
                break;
        }
        *pos = p;
        return lines;
    }

private:
    const QString &m_text;
};

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

} // namespace

ProjectConfig::ProjectConfig()
    : m_version(QString::fromLatin1(CurrentVersion))
{
    for (const QString &t : defaultFileTypes())
        addSorted(m_fileTypes, t);
    for (const QString &c : defaultCategories())
        addSorted(m_categories, c);
}

const QStringList &ProjectConfig::defaultFileTypes()
{
    static const QStringList types = {
        QStringLiteral("exe"), QStringLiteral("bat"), QStringLiteral("zip"), QStringLiteral("rar"),
        QStringLiteral("doc"), QStringLiteral("txt"), QStringLiteral("htm"), QStringLiteral("html"),
        QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("pdf")};
    return types;
}

const QStringList &ProjectConfig::defaultCategories()
{
    static const QStringList categories = {
        QStringLiteral("Utilities"),   QStringLiteral("Games"),       QStringLiteral("Automation"),
        QStringLiteral("Documents"),   QStringLiteral("Compression"), QStringLiteral("Internet"),
        QStringLiteral("Windows"),     QStringLiteral("Email"),       QStringLiteral("Communications")};
    return categories;
}

void ProjectConfig::addSorted(QStringList &list, const QString &entry)
{
    if (entry.isEmpty())
        return;
    const auto less = [](const QString &a, const QString &b) {
        return text::compareAnsiCaseInsensitive(a, b) < 0;
    };
    const auto it = std::lower_bound(list.begin(), list.end(), entry, less);
    if (it != list.end() && text::compareAnsiCaseInsensitive(*it, entry) == 0)
        return;
    list.insert(it, entry);
}

void ProjectConfig::setName(const QString &name)
{
    m_name = name;
    m_dirty = true;
}

void ProjectConfig::setFolder(const QString &folder)
{
    m_folder = folder;
    m_dirty = true;
}

void ProjectConfig::setIconFile(const QString &iconFile)
{
    m_iconFile = iconFile;
    m_dirty = true;
}

void ProjectConfig::setSearchDirectory(const QString &searchDirectory)
{
    m_searchDirectory = searchDirectory;
    m_dirty = true;
}

void ProjectConfig::setMenuType(const QString &menuType)
{
    m_menuType = menuType;
    m_dirty = true;
}

void ProjectConfig::setHasZipSupport(bool on)
{
    m_hasZipSupport = on;
    m_dirty = true;
}

void ProjectConfig::setHasRarSupport(bool on)
{
    m_hasRarSupport = on;
    m_dirty = true;
}

void ProjectConfig::setAutoAssignPicture(bool on)
{
    m_autoAssignPicture = on;
    m_dirty = true;
}

void ProjectConfig::setIncludeDirectoryInName(bool on)
{
    m_includeDirectoryInName = on;
    m_dirty = true;
}

void ProjectConfig::setAboutTxtAsExeDescription(bool on)
{
    m_aboutTxtAsExeDescription = on;
    m_dirty = true;
}

void ProjectConfig::setDoNotListAboutTxtFiles(bool on)
{
    m_doNotListAboutTxtFiles = on;
    m_dirty = true;
}

void ProjectConfig::setSearchSubDirectories(bool on)
{
    m_searchSubDirectories = on;
    m_dirty = true;
}

void ProjectConfig::setProjectType(qint32 type)
{
    m_projectType = type;
    m_dirty = true;
}

void ProjectConfig::setFileTypes(const QStringList &types)
{
    m_fileTypes.clear();
    for (const QString &t : types)
        addSorted(m_fileTypes, t);
    m_dirty = true;
}

void ProjectConfig::setCategories(const QStringList &categories)
{
    m_categories.clear();
    for (const QString &c : categories)
        addSorted(m_categories, c);
    m_dirty = true;
}

QString ProjectConfig::projectFilePath() const
{
    return m_folder + m_name + QLatin1String(Extension);
}

QString ProjectConfig::dataStorePath() const
{
    return m_folder + m_name + QStringLiteral(".cdc");
}

QByteArray ProjectConfig::toBytes() const
{
    const QString version = QString::fromLatin1(CurrentVersion);
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    QString t;
    const auto line = [&t](const QString &s) { t += oneLine(s) + CrLf; };
    const auto section = [&](const char *header, const QString &value) {
        line(QString::fromLatin1(header));
        line(value);
        line(QString());
    };
    const auto list = [&](const char *header, const QStringList &entries) {
        line(QString::fromLatin1(header));
        for (const QString &e : entries)
            line(e);
        line(QString());
    };

    line(QStringLiteral("SCRIBORA PROJECT FILE, Format Version ") + version);
    line(QStringLiteral("WARNING: DO NOT EDIT OR DELETE THIS PROJECT FILE!"));
    line(QString());
    section("[Version]", version);
    section("[Name]", m_name);
    section("[Icon File]", m_iconFile);
    section("[Search Directory]", m_searchDirectory);
    section("[Menu Type]", m_menuType);
    section("[Has Zip Support]", flag(m_hasZipSupport));
    list("[File Types]", m_fileTypes);
    list("[Categories]", m_categories);
    section("[Language]", m_language);
    section("[Has RAR Support]", flag(m_hasRarSupport));
    section("[Auto Assign Picture]", flag(m_autoAssignPicture));
    section("[Include Directory In Name]", flag(m_includeDirectoryInName));
    section("[About.txt As Exe Description]", flag(m_aboutTxtAsExeDescription));
    section("[Do Not List About.txt Files]", flag(m_doNotListAboutTxtFiles));
    section("[Project Type]", QString::number(m_projectType));
    section("[Search Sub Directories]", flag(m_searchSubDirectories));
    return text::toAnsi(t);
}

bool ProjectConfig::Save(const QString &path)
{
    m_errors.clear();
    if (path.isEmpty())
        return true;

    m_version = QString::fromLatin1(CurrentVersion);
    const QByteArray bytes = toBytes();

    // The whole path, so that a default project folder below a documents folder
    // that has never been used can be created in one step; failure shows below.
    if (!m_folder.isEmpty())
        QDir().mkpath(m_folder);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_errors.Report(QStringLiteral("Unable to create the new Project File"));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        m_errors.Report(file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        // The new text is complete in the temporary; what failed is putting it in
        // place of the old file, unless the last bytes could not be written.
        if (file.error() == QFileDevice::WriteError)
            m_errors.Report(file.errorString());
        else if (QFileInfo::exists(path))
            m_errors.Report(QStringLiteral("Unable to remove the old Project File"));
        else
            m_errors.Report(QStringLiteral("Unable to create the new Project File"));
        return false;
    }
    m_dirty = false;
    return true;
}

bool ProjectConfig::Load(const QString &path)
{
    m_errors.clear();
    if (path.isEmpty())
        return false;

    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        m_errors.Report(QStringLiteral("Unable to open Project file."));
        return false;
    }
    if (file.size() < 0) {
        m_errors.Report(QStringLiteral("Unable to deturmine Project file length."));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_errors.Report(file.errorString());
        return false;
    }
    file.close();

    try {
        return parse(text::fromAnsi(bytes), path);
    } catch (const ReadFailure &failure) {
        m_errors.Report(failure.message);
        return false;
    }
}

bool ProjectConfig::parse(const QString &text, const QString &path)
{
    using text::versionBelow;
    const SectionReader r(text);

    // Without a version section the search starts after the first character, as
    // it always has.
    qsizetype pos = 1;
    qsizetype versionPos = 0;
    if (const auto v = r.takeValue(QStringLiteral("[Version]"), &versionPos)) {
        m_version = text::trimBlanks(*v).toString();
        pos = versionPos;
    }

    const auto text1 = [&](const char *header, QString &field) {
        if (const auto v = r.takeValue(QString::fromLatin1(header), &pos))
            field = text::trimBlanks(*v).toString();
    };
    text1("[Name]", m_name);
    text1("[Icon File]", m_iconFile);
    text1("[Search Directory]", m_searchDirectory);
    text1("[Menu Type]", m_menuType);

    m_folder = withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));

    if (const auto v = r.takeValue(QStringLiteral("[Has Zip Support]"), &pos))
        m_hasZipSupport = toInteger(*v) != 0;

    const auto list = [&](const char *header, QStringList &field) {
        field.clear();
        if (const auto entries = r.takeList(QString::fromLatin1(header), &pos))
            for (const QString &e : *entries)
                addSorted(field, e);
    };
    list("[File Types]", m_fileTypes);
    list("[Categories]", m_categories);

    // Sections added by later formats: each is searched from here, and only when
    // the file's format has it; an older file gets the value the program used
    // before the section existed.
    const qsizetype rest = pos;
    const auto flag = [&](const char *threshold, const char *header, bool &field, bool before) {
        if (versionBelow(m_version, QString::fromLatin1(threshold)))
            field = before;
        else if (const auto v = r.peekValue(QString::fromLatin1(header), rest))
            field = toInteger(*v) != 0;
    };

    if (versionBelow(m_version, QStringLiteral("3.01")))
        m_language = QStringLiteral("English");
    else if (const auto v = r.peekValue(QStringLiteral("[Language]"), rest))
        m_language = *v;
    flag("4.01", "[Has RAR Support]", m_hasRarSupport, true);
    flag("4.02", "[Auto Assign Picture]", m_autoAssignPicture, false);
    flag("4.03", "[Include Directory In Name]", m_includeDirectoryInName, false);
    flag("4.04", "[About.txt As Exe Description]", m_aboutTxtAsExeDescription, false);
    flag("4.04", "[Do Not List About.txt Files]", m_doNotListAboutTxtFiles, false);
    if (versionBelow(m_version, QStringLiteral("5.0")))
        m_projectType = 0;
    else if (const auto v = r.peekValue(QStringLiteral("[Project Type]"), rest))
        m_projectType = toInteger(*v);
    flag("5.03", "[Search Sub Directories]", m_searchSubDirectories, true);

    m_dirty = versionBelow(m_version, QString::fromLatin1(CurrentVersion));
    return true;
}

} // namespace scribora::project
