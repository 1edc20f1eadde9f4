#include "core/menu/MenuDesign.h"
#include "core/menu/MenuPicture.h"

#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace scribora::menu;

// The shipped templates are our writer's output: reading and writing one again
// gives its bytes, and each has the blocks the build relies on.
TEST(Templates, ShippedTemplatesRoundTripByteExactly)
{
    const QDir dir(QStringLiteral(SCRIBORA_SOURCE_DIR "/examples"));
    const QStringList files = dir.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    ASSERT_TRUE(files.contains(QStringLiteral("List.cfg")));
    ASSERT_GE(files.size(), 3);
    for (const QString &name : files) {
        const QByteArray bytes = TempDir::readBytes(dir.filePath(name));
        MenuDesign d;
        ASSERT_TRUE(d.loadFromText(bytes)) << qPrintable(name) << ": " << qPrintable(d.error().Text());
        EXPECT_TRUE(d.skippedProperties().isEmpty()) << qPrintable(name);
        EXPECT_EQ(d.toText(), bytes) << qPrintable(name);
        EXPECT_TRUE(bytes.contains("OnActivate = FormActivate\r\n") && bytes.contains("\r\n  object TBXSwitcher1: TTBXSwitcher\r\n")
                    && bytes.contains("\r\n  object BitmapFormSkin1: TBitmapFormSkin\r\n"))
            << qPrintable(name);
    }
}

TEST(Templates, TheShapedTemplateHasItsPictureAndSkin)
{
    MenuDesign d;
    ASSERT_TRUE(d.load(QStringLiteral(SCRIBORA_SOURCE_DIR "/examples/Shaped.cfg"))) << qPrintable(d.error().Text());
    EXPECT_TRUE(d.IsBackGround());
    EXPECT_TRUE(d.root().boolValue(u"Shaped"));
    EXPECT_FALSE(d.IsShowCaption());
    EXPECT_EQ(d.formSkin()->binaryValue(u"Skin.Data"), d.formHook()->binaryValue(u"Wallpaper.Data"));
    EXPECT_TRUE(MenuPicture::readBitmap(d.formHook()->binaryValue(u"Wallpaper.Data"))->startsWith("BM"));
}
