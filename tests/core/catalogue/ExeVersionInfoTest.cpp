#include "core/catalogue/ExeVersionInfo.h"

#include "PeImageBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

using scribora::catalogue::ExeVersionInfo;

namespace {

PeImageBuilder fullBuilder()
{
    PeImageBuilder b;
    b.strings = {
        {QStringLiteral("CompanyName"), QStringLiteral("Velvane")},
        {QStringLiteral("FileDescription"), QStringLiteral("Menu player")},
        {QStringLiteral("FileVersion"), QStringLiteral("5.0.5.2")},
        {QStringLiteral("InternalName"), QStringLiteral("Player")},
        {QStringLiteral("LegalCopyright"), QStringLiteral("(c) 2026")},
        {QStringLiteral("LegalTrademarks"), QStringLiteral("TM")},
        {QStringLiteral("OriginalFilename"), QStringLiteral("Menu.exe")},
        {QStringLiteral("ProductName"), QStringLiteral("Menu")},
        {QStringLiteral("ProductVersion"), QStringLiteral("5.0")},
        {QStringLiteral("Comments"), QStringLiteral("none")},
    };
    return b;
}

QString writeExe(const TempDir &dir, const QByteArray &bytes, const QString &name = QStringLiteral("a.exe"))
{
    const QString path = dir.file(name);
    EXPECT_TRUE(TempDir::writeBytes(path, bytes));
    return path;
}

} // namespace

TEST(ExeVersionInfo, ReadsEveryFieldOfAFile)
{
    TempDir dir;
    for (bool plus : {false, true}) {
        PeImageBuilder b = fullBuilder();
        b.pe32plus = plus;
        ExeVersionInfo info(writeExe(dir, b.build()));
        EXPECT_EQ(info.GetCompanyName(), "Velvane");
        EXPECT_EQ(info.GetFileDescription(), "Menu player");
        EXPECT_EQ(info.GetFileVersion(), "5.0.5.2");
        EXPECT_EQ(info.GetInternalName(), "Player");
        EXPECT_EQ(info.GetLegalCopyright(), "(c) 2026");
        EXPECT_EQ(info.GetLegalTrademarks(), "TM");
        EXPECT_EQ(info.GetOriginalFilename(), "Menu.exe");
        EXPECT_EQ(info.GetProductName(), "Menu");
        EXPECT_EQ(info.GetProductVersion(), "5.0");
        EXPECT_EQ(info.GetComments(), "none");
        EXPECT_EQ(info.GetMajorVersion(), "5");
        EXPECT_EQ(info.GetMinorVersion(), "0");
        EXPECT_EQ(info.GetRelease(), "5");
        EXPECT_EQ(info.GetBuild(), "2");
    }
}

TEST(ExeVersionInfo, ValuesAreTrimmedCutAndSplit)
{
    PeImageBuilder b;
    b.strings = {{QStringLiteral("FileVersion"), QStringLiteral("1.2.3")},
                 {QStringLiteral("ProductName"), QStringLiteral("  Spaced Out \t")},
                 {QStringLiteral("Comments"), QString(300, QLatin1Char('x'))},
                 {QStringLiteral("CompanyName"), QString::fromUtf8("Caf\u00e9 \u00c6")}};
    const QByteArray img = b.build();
    EXPECT_EQ(ExeVersionInfo::versionField(img, QStringLiteral("ProductName")), "Spaced Out");
    EXPECT_EQ(ExeVersionInfo::versionField(img, QStringLiteral("Comments")), QString(259, QLatin1Char('x')));
    EXPECT_EQ(ExeVersionInfo::versionField(img, QStringLiteral("CompanyName")), QString::fromUtf8("Caf\u00e9 \u00c6"));
    EXPECT_EQ(ExeVersionInfo::versionField(img, QStringLiteral("LegalTrademarks")), "");

    TempDir dir;
    ExeVersionInfo info(writeExe(dir, img));
    EXPECT_EQ(info.GetRelease(), "3");
    EXPECT_EQ(info.GetBuild(), "");
}

TEST(ExeVersionInfo, TheTranslationChoosesTheStringTable)
{
    struct Case { quint32 translation; QString table; QString expected; } cases[] = {
        {0x04B00409, QStringLiteral("040904b0"), QStringLiteral("Menu")},
        {0x04B00409, QStringLiteral("040904B0"), QStringLiteral("Menu")}, // key case does not matter
        {0x04E40407, QStringLiteral("040704e4"), QStringLiteral("Menu")},
        {0x04E40407, QStringLiteral("040904b0"), QString()},              // no table for the language
    };
    for (const Case &c : cases) {
        PeImageBuilder b = fullBuilder();
        b.translation = c.translation;
        b.tableName = c.table;
        EXPECT_EQ(ExeVersionInfo::versionField(b.build(), QStringLiteral("ProductName")), c.expected)
            << c.table.toStdString();
    }
}

TEST(ExeVersionInfo, FilesWithoutAVersionResourceGiveEmptyTexts)
{
    TempDir dir;
    PeImageBuilder none;
    none.withResource = false;
    const QString paths[] = {
        writeExe(dir, none.build(), QStringLiteral("none.exe")),
        writeExe(dir, QByteArray("MZ just text"), QStringLiteral("text.exe")),
        writeExe(dir, QByteArray("\x7f" "ELF\2\1\1", 7), QStringLiteral("elf")),
        writeExe(dir, QByteArray(), QStringLiteral("empty.exe")),
        dir.file(QStringLiteral("missing.exe")),
        dir.path(), // a folder
        QString(),
    };
    for (const QString &p : paths) {
        ExeVersionInfo info(p);
        EXPECT_EQ(info.GetProductName(), "") << p.toStdString();
        EXPECT_EQ(info.GetFileVersion(), "");
        EXPECT_EQ(info.GetMajorVersion(), "");
    }
}

TEST(ExeVersionInfo, TruncatedAndDamagedImagesNeverCrash)
{
    const QByteArray good = fullBuilder().build();
    const QString name = QStringLiteral("ProductName");
    // Every truncation: either the field is still whole, or there is nothing.
    for (qsizetype n = 0; n < good.size(); ++n) {
        const QString v = ExeVersionInfo::versionField(good.left(n), name);
        ASSERT_TRUE(v.isEmpty() || v == "Menu") << n;
    }
    // Every byte of the headers and the resource set to extremes, then random damage.
    for (qsizetype i = 0; i < good.size(); ++i) {
        if (i >= 0x160 && i < 0x200)
            continue; // padding nobody reads
        for (char v : {char(0x00), char(0xFF), char(0x7F)}) {
            QByteArray bad = good;
            bad[i] = v;
            ExeVersionInfo::versionField(bad, name);
        }
    }
    QRandomGenerator rng(4711);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bad = good;
        for (int k = 0; k < 8; ++k)
            bad[rng.bounded(int(bad.size()))] = char(rng.bounded(256));
        ExeVersionInfo::versionField(bad, name);
    }
}
