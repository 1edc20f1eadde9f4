#include "core/menu/ClassRegistry.h"
#include "core/menu/ColorNames.h"
#include "core/menu/MenuDesign.h"

#include <gtest/gtest.h>

using namespace scribora::menu;

TEST(ClassRegistry, KindWordsNameTheElevenControlClasses)
{
    const ClassRegistry &r = ClassRegistry::instance();
    const struct
    {
        const char *kind;
        const char *className;
        const char *nameBase;
    } kinds[] = {
        {"Label", "TCoolLabel", "Label"},       {"HyperLink", "TKXLink", "Link"},
        {"Image", "TKXImage", "Image"},         {"Button", "TKXButton", "Button"},
        {"Panel", "TdxfGroupBox", "Panel"},     {"List", "TKXListBox", "ListBox"},
        {"TreeView", "TKXTreeView", "TreeView"}, {"Edit", "TKXEdit", "Edit"},
        {"Memo", "TKXMemo", "Memo"},            {"FileImage", "TKXFileImage", "FileImage"},
        {"AVIPlayer", "TActiveMovie", "AVIPlayer"},
    };
    QStringList words;
    for (const auto &k : kinds) {
        const ClassInfo *c = r.findByKind(QString::fromLatin1(k.kind));
        ASSERT_TRUE(c) << k.kind;
        EXPECT_EQ(c->name, QLatin1String(k.className));
        EXPECT_EQ(c->nameBase, QLatin1String(k.nameBase));
        EXPECT_TRUE(c->loadable);
        words << QString::fromLatin1(k.kind);
    }
    EXPECT_EQ(r.kindWords(), words);
    EXPECT_EQ(r.findByKind(u"label"), nullptr);
    ASSERT_TRUE(r.find(u"tkxlabel"));
    EXPECT_FALSE(r.find(u"TKXLabel")->loadable);
    for (const char *c : {"TfrmDesignClassic", "TCoolFormHook", "TBitmapFormSkin", "TTBXPopupMenu", "TTBXItem",
                          "TTBXSeparatorItem", "TTBXSwitcher"})
        EXPECT_TRUE(r.find(QString::fromLatin1(c))) << c;
}

TEST(ClassRegistry, OwnPropertiesFollowTheInheritedOnesInDeclaredOrder)
{
    auto tail = [](const char *cls, int n) {
        const ClassInfo *c = ClassRegistry::instance().find(QString::fromLatin1(cls));
        QStringList names;
        for (size_t i = c->properties.size() - size_t(n); i < c->properties.size(); ++i)
            names << c->properties[i].name;
        return names.join(u' ');
    };
    EXPECT_EQ(tail("TKXButton", 4), QStringLiteral("URL DoAction SpecificFile SoundFile"));
    EXPECT_EQ(tail("TKXLink", 4), QStringLiteral("SoundFile DoAction SpecificFile URL"));
    EXPECT_EQ(tail("TdxfGroupBox", 4), QStringLiteral("Alignment ShadowColor ShadowSize ShadowPos"));
    EXPECT_EQ(tail("TfrmDesignClassic", 5), QStringLiteral("Shaped SoundFile RepeatSoundFile PixelsPerInch TextHeight"));
    const ClassInfo *panel = ClassRegistry::instance().find(u"TdxfGroupBox");
    EXPECT_EQ(panel->property(u"Alignment")->names.size(), 12);
    EXPECT_EQ(panel->property(u"Alignment")->names.at(11), QStringLiteral("alRightBottom"));
    EXPECT_EQ(panel->property(u"ShadowPos")->names.size(), 8);
}

TEST(ColorNames, NamesDecimalAndHexReadAsOneColour)
{
    const struct
    {
        const char *text;
        qint64 value;
    } cases[] = {
        {"clBtnFace", qint32(0x8000000F)}, {"CLBTNFACE", qint32(0x8000000F)}, {"$FF00000F", qint32(0x8000000F)},
        {"-2147483633", qint32(0x8000000F)}, {"$8000000F", qint32(0x8000000F)}, {"clNone", 0x1FFFFFFF},
        {"$00FF00FF", 0xFF00FF}, {"255", 0xFF}, {"cl3DDkShadow", qint32(0x80000015)}, {"clDefault", 0x20000000},
    };
    for (const auto &c : cases) {
        const auto v = ColorNames::fromText(QString::fromLatin1(c.text));
        ASSERT_TRUE(v) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    EXPECT_FALSE(ColorNames::fromText(u"clNoSuch"));
    EXPECT_FALSE(ColorNames::fromText(u"$1FFFFFFFF"));
    EXPECT_EQ(ColorNames::toText(ColorNames::clWindowText), QStringLiteral("clWindowText"));
    EXPECT_EQ(ColorNames::toText(0x123456), QStringLiteral("$00123456"));
    EXPECT_EQ(ColorNames::name(0x123456), QString());
}

TEST(MenuComponent, FontSizeAndHeightConvertAtThePixelsPerInch)
{
    MenuDesign d;
    MenuComponent *label = d.createControl(QStringLiteral("Label"), &d.root(), 0, 0);
    EXPECT_EQ(label->fontSize(), 8);
    const int sizes[][3] = {{8, 96, -11}, {10, 96, -13}, {12, 96, -16}, {9, 120, -15}, {24, 96, -32}};
    for (const auto &s : sizes) {
        label->setFontSize(s[0], s[1]);
        EXPECT_EQ(label->intValue(u"Font.Height"), s[2]) << s[0] << " pt at " << s[1];
        EXPECT_EQ(label->fontSize(s[1]), s[0]);
    }
}
