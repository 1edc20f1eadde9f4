// Loads hostile files with the data store and with a plain reference reader that
// does literally what the menu player does: search every tag from the start of
// the remaining text and cut that text behind each record. Both must agree on
// every value, failure and message.
#include "core/project/DataStore.h"
#include "core/text/Ansi.h"
#include "core/text/InternetDate.h"
#include "core/text/VersionText.h"

#include "support/TempDir.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>
#include <random>

using scribora::project::DataStore;

namespace {

struct RefRecord
{
    QString version, title, category, description, filePath, cdPath, picture, iconPath;
    QString viewerName, viewerPath;
    bool includeInMenu = true, installViewer = false;
};

struct RefStore
{
    bool ok = false;
    QString error;
    QString version = QStringLiteral("5.04"), iconFile;
    bool br = false, hs = true, zs = true, rs = true;
    bool hasDate = false;
    QDateTime date;
    std::vector<RefRecord> records;
};

QByteArray refValue(const QByteArray &text, const char *tag)
{
    const QByteArray open = QByteArray(tag) + "\r\n";
    const QByteArray close = "/" + open;
    const qsizetype o = text.indexOf(open);
    if (o < 0)
        return {};
    const qsizetype start = o + open.size();
    const qsizetype c = text.indexOf(close);
    return c < start ? QByteArray() : text.mid(start, c - start);
}

std::optional<int> refInt(const QByteArray &v)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    if (!decimal.match(QString::fromLatin1(v)).hasMatch())
        return std::nullopt;
    return v.toInt();
}

QString notInteger(const QByteArray &v)
{
    return QStringLiteral("'%1' is not a valid integer value\r\n").arg(scribora::text::fromAnsi(v));
}

RefStore refLoad(const QByteArray &file)
{
    using scribora::text::fromAnsi;
    using scribora::text::versionBelow;
    RefStore s;
    s.version = fromAnsi(refValue(file, "VS"));
    const char *flags[] = {"BR", "HS", "ZS"};
    bool *targets[] = {&s.br, &s.hs, &s.zs};
    for (int i = 0; i < 3; ++i) {
        const auto v = refInt(refValue(file, flags[i]));
        if (!v) {
            s.error = notInteger(refValue(file, flags[i]));
            return s;
        }
        *targets[i] = *v != 0;
    }
    const auto count = refInt(refValue(file, "AC"));
    if (!count || *count < 0) {
        s.error = count ? QStringLiteral("'%1' is not a valid record count\r\n").arg(*count)
                        : notInteger(refValue(file, "AC"));
        return s;
    }
    QByteArray rest = file.mid(file.indexOf("/AC\r\n") + 5);
    for (int i = 0; i < *count; ++i) {
        RefRecord r;
        const auto str = [&rest](const char *tag) { return fromAnsi(refValue(rest, tag)); };
        r.version = str("VS");
        r.title = str("AT");
        r.category = str("AC");
        r.description = str("ACT");
        r.filePath = str("AP");
        r.cdPath = str("ACP");
        const auto im = refInt(refValue(rest, "IM"));
        if (!im) {
            s.error = notInteger(refValue(rest, "IM"));
            return s;
        }
        r.includeInMenu = *im != 0;
        r.picture = str("APP");
        r.iconPath = str("AIP");
        const bool old = versionBelow(r.version, QStringLiteral("5.03"));
        if (!old) {
            const auto aiva = refInt(refValue(rest, "AIVA"));
            if (!aiva) {
                s.error = notInteger(refValue(rest, "AIVA"));
                return s;
            }
            r.installViewer = *aiva != 0;
            r.viewerName = str("AIVAN");
            r.viewerPath = str("AIVAP");
        }
        const QByteArray last = old ? "/AIP\r\n" : "/AIVAP\r\n";
        const qsizetype end = rest.indexOf(last);
        if (end < 0) {
            s.error = QStringLiteral("The record has no closing %1 tag\r\n")
                          .arg(QString::fromLatin1(last.trimmed()));
            return s;
        }
        s.records.push_back(r);
        rest = rest.mid(end + last.size());
    }
    if (!versionBelow(s.version, QStringLiteral("4")))
        s.iconFile = fromAnsi(refValue(file, "ICF"));
    if (!versionBelow(s.version, QStringLiteral("4.01"))) {
        const auto rs = refInt(refValue(file, "RS"));
        if (!rs) {
            s.error = notInteger(refValue(file, "RS"));
            return s;
        }
        s.rs = *rs != 0;
    }
    if (!versionBelow(s.version, QStringLiteral("5.04"))) {
        s.hasDate = true;
        s.date = scribora::text::fromInternetDate(fromAnsi(refValue(file, "BD")));
    }
    s.ok = true;
    return s;
}

// Files that are mostly right, with fields missing, swapped, repeated and
// values that hold other fields' tags.
class HostileFiles
{
public:
    explicit HostileFiles(unsigned seed) : m_random(seed) {}

    QByteArray next()
    {
        const int records = pick(5);
        QByteArray f = field("VS", oneOf({"5.04", "5.04", "4", "4.01", "3.01", "5.1"}))
                       + field("BR", oneOf({"1", "0", "1"})) + field("HS", "1") + field("ZS", "0")
                       + field("AC", QByteArray::number(records + (chance(8) ? pick(2) : 0)));
        for (int i = 0; i < records; ++i)
            f += record();
        if (!chance(10))
            f += field("ICF", text()) + field("RS", oneOf({"0", "1", "1"}))
                 + field("BD", oneOf({"Sat, 5 Mar 2005 14:07:09 +0100", "garbage", ""}));
        if (chance(10))
            f.chop(pick(12));
        return f;
    }

private:
    int pick(int n) { return int(m_random() % unsigned(n)); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }
    QByteArray oneOf(std::initializer_list<const char *> items)
    {
        return QByteArray(items.begin()[pick(int(items.size()))]);
    }
    static QByteArray field(const char *tag, const QByteArray &value)
    {
        return QByteArray(tag) + "\r\n" + value + "/" + tag + "\r\n";
    }
    QByteArray text()
    {
        static const char *parts[] = {"plain", " ", "\r\n", "MAP\r\n", "/AC\r\n", "AT\r\n",
                                      "ICF\r\n", "VS\r\n", "AIVA\r\n", "/AIP\r\n", "\xe9", "IM\r\n",
                                      "x/AIVAP\r\n", "BD\r\n", "AP", "\r"};
        QByteArray t;
        const int n = pick(4);
        for (int i = 0; i < n; ++i)
            t += chance(3) ? QByteArray(parts[pick(int(std::size(parts)))]) : QByteArray("word");
        return t;
    }
    QByteArray record()
    {
        struct F
        {
            const char *tag;
            QByteArray value;
        };
        std::vector<F> fields = {
            {"VS", oneOf({"5.03", "5.03", "5.0", "4.10", ""})},
            {"AT", text()}, {"AC", text()}, {"ACT", text()}, {"AP", text()}, {"ACP", text()},
            {"IM", oneOf({"1", "0", "1", "yes"})}, {"APP", text()}, {"AIP", text()},
            {"AIVA", oneOf({"0", "1", "0", ""})}, {"AIVAN", text()}, {"AIVAP", text()}};
        if (chance(3))
            fields.resize(9); // an older record without viewer fields
        if (chance(6))
            std::swap(fields[size_t(pick(int(fields.size())))], fields[size_t(pick(int(fields.size())))]);
        if (chance(8))
            fields.erase(fields.begin() + pick(int(fields.size())));
        QByteArray r;
        for (const F &f : fields)
            r += field(f.tag, f.value);
        return r;
    }

    std::mt19937 m_random;
};

} // namespace

TEST(DataStoreReadingRules, AgreesWithTheReferenceReaderOnHostileFiles)
{
    TempDir dir;
    const QString path = dir.file("hostile.cdc");
    HostileFiles files(20261211);
    int loaded = 0;
    for (int n = 0; n < 300; ++n) {
        const QByteArray bytes = files.next();
        SCOPED_TRACE(bytes.toStdString());
        ASSERT_TRUE(TempDir::writeBytes(path, bytes));
        const RefStore ref = refLoad(bytes);
        DataStore store;
        const QDateTime constructed = store.BuildDate();
        ASSERT_EQ(store.Load(path), ref.ok) << store.ErrorText().toStdString();
        EXPECT_EQ(store.ErrorText(), ref.error);
        ASSERT_EQ(size_t(store.RecordCount()), ref.records.size());
        for (int i = 0; i < store.RecordCount(); ++i) {
            const auto *r = store.Record(i);
            const RefRecord &e = ref.records[size_t(i)];
            EXPECT_EQ(r->Version(), e.version);
            EXPECT_EQ(r->Title(), e.title);
            EXPECT_EQ(r->Category(), e.category);
            EXPECT_EQ(r->Description(), e.description);
            EXPECT_EQ(r->FilePath(), e.filePath);
            EXPECT_EQ(r->CDPath(), e.cdPath);
            EXPECT_EQ(r->IncludeInMenu(), e.includeInMenu);
            EXPECT_EQ(r->Picture(), e.picture);
            EXPECT_EQ(r->IconPath(), e.iconPath);
            EXPECT_EQ(r->InstallViewer(), e.installViewer);
            EXPECT_EQ(r->ViewerName(), e.viewerName);
            EXPECT_EQ(r->ViewerPath(), e.viewerPath);
        }
        if (!ref.ok)
            continue;
        ++loaded;
        EXPECT_EQ(store.Version(), ref.version);
        EXPECT_EQ(store.BrFlag(), ref.br);
        EXPECT_EQ(store.HasCategories(), ref.hs);
        EXPECT_EQ(store.ZipSupport(), ref.zs);
        EXPECT_EQ(store.RarSupport(), ref.rs);
        EXPECT_EQ(store.IconFile(), ref.iconFile);
        EXPECT_EQ(store.BuildDate(), ref.hasDate ? ref.date : constructed);
    }
    // The mix must exercise both outcomes.
    EXPECT_GT(loaded, 30);
    EXPECT_LT(loaded, 270);
}
