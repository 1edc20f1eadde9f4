#include "core/menu/MenuConfigUpgrade.h"
#include "core/menu/MenuDesign.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

const QByteArray kSkinLines = "  object BitmapFormSkin1: TBitmapFormSkin\r\n"
                              "    TransparentColor = clWhite\r\n"
                              "    Preview = False\r\n"
                              "    Options = [soAutoSize, soClientDrag]\r\n"
                              "    Active = False\r\n"
                              "    Left = 88\r\n"
                              "    Top = 64\r\n"
                              "  end\r\n"
                              "end\r\n";

const QByteArray kOlder = "object frmDesignClassic: TfrmDesignClassic\r\n"
                          "  Caption = 'Old'\r\n"
                          "  object CoolFormHook1: TCoolFormHook\r\n"
                          "    Left = 24\r\n"
                          "    Top = 64\r\n"
                          "  end\r\n"
                          "end\r\n";

} // namespace

TEST(UpgradeMenuConfig, AddsTheSkinBlockInPlaceOfTheRootsEnd)
{
    const struct
    {
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {kOlder, kOlder.left(kOlder.size() - 5) + kSkinLines},
        // LF line ends and blank lines after the end.
        {"object F: TF\nend\n\n\n", "object F: TF\r\n" + kSkinLines},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const QString path = dir.file(QStringLiteral("Menu.cfg"));
        TempDir::writeBytes(path, c.before);
        QString why;
        ASSERT_TRUE(UpgradeMenuConfig(path, &why)) << qPrintable(why);
        EXPECT_EQ(TempDir::readBytes(path), c.after);
    }
    // The upgraded file loads, and the skin carries the upgrade's values.
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Menu.cfg"));
    TempDir::writeBytes(path, kOlder);
    ASSERT_TRUE(UpgradeMenuConfig(path));
    MenuDesign d;
    ASSERT_TRUE(d.load(path)) << qPrintable(d.error().Text());
    EXPECT_EQ(d.formSkin()->setElements(u"Options"),
              (QStringList{QStringLiteral("soAutoSize"), QStringLiteral("soClientDrag")}));
}

TEST(UpgradeMenuConfig, LeavesFilesWithASkinAndBadFilesUntouched)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Menu.cfg"));
    const QByteArray lower = "object F: TF\r\n  object bitmapformskin1: TBitmapFormSkin\r\n  end\r\nend";
    TempDir::writeBytes(path, lower);
    EXPECT_TRUE(UpgradeMenuConfig(path));
    EXPECT_EQ(TempDir::readBytes(path), lower);

    EXPECT_TRUE(UpgradeMenuConfig(QString()));

    QString why;
    EXPECT_FALSE(UpgradeMenuConfig(dir.file(QStringLiteral("missing.cfg")), &why));
    EXPECT_FALSE(why.isEmpty());
    const QByteArray cut = "object F: TF\r\n  Left = 1\r\n";
    TempDir::writeBytes(path, cut);
    EXPECT_FALSE(UpgradeMenuConfig(path, &why));
    EXPECT_EQ(TempDir::readBytes(path), cut);
}
