#include "core/menu/ColorNames.h"
#include "core/menu/MenuDesign.h"
#include "core/menu/MenuPicture.h"
#include "core/menu/TreeNodes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

// The property lines of one component's block, without indentation.
QList<QByteArray> blockOf(const QByteArray &text, const QByteArray &name)
{
    QList<QByteArray> out;
    bool inside = false;
    int depth = 0;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!inside) {
            if (line.startsWith("object " + name + ":"))
                inside = true;
            continue;
        }
        if (line.startsWith("object ")) {
            ++depth;
        } else if (line == "end") {
            if (depth-- == 0)
                break;
        } else if (depth == 0) {
            out << line;
        }
    }
    return out;
}

QByteArray designText(const QByteArray &children, const QByteArray &rootLines = {})
{
    return "object frmDesignClassic: TfrmDesignClassic\r\n  Left = 10\r\n" + rootLines + children + "end\r\n";
}

} // namespace

TEST(MenuDesign, NewControlsWriteOnlyWhatDiffersFromTheirDefaults)
{
    MenuDesign d;
    MenuComponent *button = d.createControl(QStringLiteral("Button"), &d.root(), 12, 30);
    MenuComponent *edit = d.createControl(QStringLiteral("Edit"), &d.root(), 0, 0);
    MenuComponent *link = d.createControl(QStringLiteral("HyperLink"), &d.root(), 0, 0);
    ASSERT_TRUE(button && edit && link);
    link->setInt(u"DoAction", 5);
    link->setString(u"URL", QStringLiteral("http://example.com/"));
    const QByteArray text = d.toText();

    const QList<QByteArray> b = blockOf(text, "Button0");
    EXPECT_EQ(b, (QList<QByteArray>{"Left = 12", "Top = 30", "Width = 50", "Height = 50", "Caption = 'OK'",
                                    "Font.Charset = DEFAULT_CHARSET", "Font.Color = clWindowText",
                                    "Font.Height = -11", "Font.Name = 'MS Sans Serif'", "Font.Style = []",
                                    "ParentFont = False", "ShadowSize = 0"}));
    const QList<QByteArray> e = blockOf(text, "Edit0");
    EXPECT_TRUE(e.contains("ShowFileTitle = 'Title'"));
    EXPECT_TRUE(e.contains("ReadOnly = True"));
    EXPECT_FALSE(text.contains("Text = "));
    const QList<QByteArray> l = blockOf(text, "Link0");
    EXPECT_EQ(l.mid(l.size() - 2), (QList<QByteArray>{"DoAction = 5", "URL = 'http://example.com/'"}));
    EXPECT_FALSE(text.contains("SpecificFile"));
    EXPECT_FALSE(text.contains("SoundFile"));
}

TEST(MenuDesign, RootAndNonVisualBlocksAreThoseThePlayerAndBuildRelyOn)
{
    MenuDesign d;
    d.root().setString(u"SoundFile", QStringLiteral("C:\\Sounds\\intro.wav"));
    d.root().setBool(u"RepeatSoundFile", true);
    const QByteArray text = d.toText();
    EXPECT_TRUE(text.startsWith("object frmDesignClassic: TfrmDesignClassic\r\n  Left = 10\r\n  Top = 10\r\n"));
    const QList<QByteArray> root = blockOf("x\r\n" + text, "frmDesignClassic");
    const QList<QByteArray> expected = {
        "Left = 10", "Top = 10", "Width = 347", "Height = 467", "BorderIcons = []", "Caption = 'Design Menu'",
        "Color = clBtnFace", "DragKind = dkDock", "Font.Charset = DEFAULT_CHARSET", "Font.Color = clWindowText",
        "Font.Height = -11", "Font.Name = 'MS Sans Serif'", "Font.Style = []", "Position = poDefault",
        "ShowHint = True", "Visible = True", "OnActivate = FormActivate", "OnResize = FormResize",
        "Shaped = False", "SoundFile = 'C:\\Sounds\\intro.wav'", "RepeatSoundFile = True", "PixelsPerInch = 96",
        "TextHeight = 13"};
    EXPECT_EQ(root, expected);
    EXPECT_TRUE(text.contains("\r\n  object BitmapFormSkin1: TBitmapFormSkin\r\n    TransparentColor = clNone\r\n"
                              "    Preview = False\r\n    Options = []\r\n    Active = False\r\n"));
    EXPECT_TRUE(text.contains("  object TBXSwitcher1: TTBXSwitcher\r\n    Theme = 'OfficeXP'\r\n"));
    EXPECT_TRUE(text.contains("      OnClick = mnuDeleteClick\r\n"));
    EXPECT_FALSE(text.contains("PopupMenu ="));
    EXPECT_TRUE(text.endsWith("  end\r\nend\r\n"));
}

TEST(MenuDesign, PlacingFollowsTheKindTableAndTheNamingRule)
{
    MenuDesign d;
    MenuComponent *panel = d.createControl(QStringLiteral("Panel"), &d.root(), 100, 100);
    MenuComponent *inPanel = d.createControl(QStringLiteral("Label"), panel, 3, 4);
    MenuComponent *onForm = d.createControl(QStringLiteral("Label"), &d.root(), 5, 5);
    ASSERT_TRUE(panel && inPanel && onForm);
    EXPECT_EQ(inPanel->name(), QStringLiteral("Label0"));
    EXPECT_EQ(inPanel->parent(), panel);
    EXPECT_EQ(onForm->name(), QStringLiteral("Label1"));
    EXPECT_EQ(d.UniqueControlName(QStringLiteral("Label")), QStringLiteral("Label2"));
    EXPECT_EQ(onForm->stringValue(u"Caption"), QStringLiteral("Label"));

    MenuComponent *list = d.createControl(QStringLiteral("List"), &d.root(), 0, 0);
    EXPECT_EQ(list->stringValue(u"Caption"), QStringLiteral("ListBox0"));
    MenuComponent *edit = d.createControl(QStringLiteral("Edit"), &d.root(), 0, 0);
    EXPECT_EQ(edit->stringValue(u"Text"), QString());
    MenuComponent *memo = d.createControl(QStringLiteral("Memo"), &d.root(), 0, 0);
    EXPECT_EQ(memo->value(u"Lines.Strings").stringItems(), QStringList{QStringLiteral("Long Description")});
    MenuComponent *tree = d.createControl(QStringLiteral("TreeView"), &d.root(), 0, 0);
    auto nodes = TreeNodes::read(tree->binaryValue(u"Items.Data"));
    ASSERT_TRUE(nodes);
    ASSERT_EQ(nodes->size(), 1u);
    EXPECT_EQ(nodes->front().text, QStringLiteral("Category File List"));
    ASSERT_EQ(nodes->front().children.size(), 2u);
    EXPECT_EQ(nodes->front().children[1].text, QStringLiteral("File 2"));
    MenuComponent *player = d.createControl(QStringLiteral("AVIPlayer"), &d.root(), 7, 8);
    EXPECT_EQ(player->intValue(u"Width"), 185);
    EXPECT_FALSE(player->boolValue(u"ClickToPlay"));
    EXPECT_TRUE(player->boolValue(u"ShowControls"));
    MenuComponent *image = d.createControl(QStringLiteral("Image"), &d.root(), 0, 0);
    EXPECT_TRUE(image->className() == QLatin1String("TKXImage") && !image->hasProperty(u"Font.Name"));

    // Renaming carries the text along only while it equals the name.
    ASSERT_TRUE(d.renameComponent(list, QStringLiteral("Files")));
    EXPECT_EQ(list->stringValue(u"Caption"), QStringLiteral("Files"));
    ASSERT_TRUE(d.renameComponent(onForm, QStringLiteral("Title")));
    EXPECT_EQ(onForm->stringValue(u"Caption"), QStringLiteral("Label"));
    QString why;
    EXPECT_FALSE(d.renameComponent(onForm, QStringLiteral("files"), &why));
    EXPECT_FALSE(d.renameComponent(onForm, QStringLiteral("1abc"), &why));
    EXPECT_FALSE(d.renameComponent(onForm, QStringLiteral("CoolFormHook1"), &why));

    // Controls go before the non-visual components, in z-order.
    const auto &kids = d.root().children();
    EXPECT_EQ(kids.front()->name(), QStringLiteral("Panel0"));
    EXPECT_EQ(kids[kids.size() - 4]->name(), QStringLiteral("CoolFormHook1"));
    d.sendToBack(image);
    EXPECT_EQ(d.root().children().front().get(), image);
    d.bringToFront(image);
    EXPECT_EQ(d.root().children()[kids.size() - 5].get(), image);

    // Removing a Panel takes its controls with it; the form's own components stay.
    EXPECT_TRUE(d.removeComponent(panel));
    EXPECT_EQ(d.findComponent(u"Label0"), nullptr);
    EXPECT_FALSE(d.removeComponent(d.formHook()));
    EXPECT_FALSE(d.removeComponent(&d.root()));
    EXPECT_TRUE(d.formHook());
}

TEST(MenuDesign, PlacingRefusesWhatTheDesignerCannotPlace)
{
    MenuDesign d;
    MenuComponent *button = d.createControl(QStringLiteral("Button"), &d.root(), 0, 0);
    EXPECT_EQ(d.createControl(QStringLiteral("button"), &d.root(), 0, 0), nullptr);
    EXPECT_EQ(d.createControl(QStringLiteral("Label"), button, 0, 0), nullptr);
    EXPECT_EQ(d.createControl(QStringLiteral("Label"), &d.root(), -50, -60), nullptr);
    EXPECT_NE(d.createControl(QStringLiteral("Label"), &d.root(), -50, 10), nullptr);
}

TEST(MenuDesign, AControlNearTheCornerGrowsTheForm)
{
    MenuDesign d;
    d.createControl(QStringLiteral("Button"), &d.root(), 320, 440);
    EXPECT_EQ(d.root().intValue(u"Height"), 440 + 50 + 30);
    EXPECT_EQ(d.root().intValue(u"Width"), 320 + 50 + 10);
    d.createControl(QStringLiteral("Button"), &d.root(), 10, 10);
    EXPECT_EQ(d.root().intValue(u"Width"), 380);
}

TEST(MenuDesign, LoadFailsWholeOnUnknownClassesAndBadValues)
{
    const struct
    {
        QByteArray text;
        const char *reason;
    } cases[] = {
        {designText("  object X: TNoSuchClass\r\n  end\r\n"), "line 3: class TNoSuchClass not found"},
        {designText("  object L: TKXLabel\r\n  end\r\n"), "line 3: class TKXLabel not found"},
        {designText("  object B: TKXButton\r\n    Left = 'x'\r\n  end\r\n"), "line 4: invalid value of B.Left"},
        {designText("  object B: TKXButton\r\n    Color = clNoSuch\r\n  end\r\n"), "a colour is expected"},
        {designText("  object B: TKXButton\r\n    Options = [ocBogus]\r\n  end\r\n"), "'ocBogus'"},
        {designText("  object B: TKXButton\r\n    Caption = 'x\r\n  end\r\n"), "line 4: unterminated string"},
        {designText("  object B: TKXButton\r\n  end\r\n  object b: TKXLink\r\n  end\r\n"), "named b already"},
        {designText("  object B: TKXButton\r\n    object C: TKXButton\r\n    end\r\n  end\r\n"), "B cannot hold"},
        {designText("  object TKXButton\r\n  end\r\n"), "without a valid name"},
        {designText("  object I: TKXImage\r\n    Picture.Data = {0354626D}\r\n  end\r\n"), "line 4"},
        {designText("  object T: TKXTreeView\r\n    Items.Data = {01000000}\r\n  end\r\n"), "bad tree node count"},
    };
    for (const auto &c : cases) {
        MenuDesign d;
        d.createControl(QStringLiteral("Button"), &d.root(), 1, 2);
        const QByteArray before = d.toText();
        EXPECT_FALSE(d.loadFromText(c.text)) << c.text.constData();
        EXPECT_TRUE(d.error().Text().contains(QLatin1String(c.reason))) << qPrintable(d.error().Text());
        EXPECT_EQ(d.toText(), before) << "a failed load leaves the design as it was";
    }
}

TEST(MenuDesign, LoadSkipsUnknownPropertiesAndNormalisesValues)
{
    MenuDesign d;
    ASSERT_TRUE(d.loadFromText(designText("  object B: TKXButton\r\n    Left = 1\r\n    Frobnicate = 3\r\n"
                                          "    Color = $FF00000F\r\n    Options = [ocflatborder, ocPaintWallpaper]\r\n"
                                          "    Font.Color = 255\r\n  end\r\n",
                                          "  Color = -2147483633\r\n  Wobble = 'x'\r\n")))
        << qPrintable(d.error().Text());
    EXPECT_EQ(d.skippedProperties(),
              (QStringList{QStringLiteral("line 4: frmDesignClassic.Wobble"), QStringLiteral("line 7: B.Frobnicate")}));
    MenuComponent *b = d.findComponent(u"B");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->intValue(u"Color"), ColorNames::clBtnFace);
    const QByteArray text = d.toText();
    EXPECT_FALSE(text.contains("Frobnicate"));
    const QList<QByteArray> block = blockOf(text, "B");
    EXPECT_TRUE(block.contains("Options = [ocPaintWallpaper, ocFlatBorder]"));
    EXPECT_TRUE(block.contains("Font.Color = clRed"));
    EXPECT_TRUE(block.contains("ParentFont = False"));
    EXPECT_FALSE(block.contains("Color = clBtnFace")) << "the declared default is left out";
    EXPECT_TRUE(text.contains("\r\n  Color = clBtnFace\r\n"));
    // The form's own components come back although the file lacked them.
    EXPECT_TRUE(d.formHook() && d.formSkin() && d.findComponent(u"PopupMenu") && d.findComponent(u"TBXItem3"));
}

TEST(MenuDesign, ValuesTheConstructorChangesSurviveARoundTrip)
{
    // ReadOnly is declared False but a description field starts True; a field
    // the user made editable must not read back read-only.
    MenuDesign d;
    MenuComponent *edit = d.createControl(QStringLiteral("Edit"), &d.root(), 0, 0);
    edit->setBool(u"ReadOnly", false);
    MenuComponent *button = d.createControl(QStringLiteral("Button"), &d.root(), 0, 0);
    button->setInt(u"ShadowSize", 2);
    MenuDesign back;
    ASSERT_TRUE(back.loadFromText(d.toText())) << qPrintable(back.error().Text());
    EXPECT_FALSE(back.findComponent(u"Edit0")->boolValue(u"ReadOnly"));
    EXPECT_EQ(back.findComponent(u"Button0")->intValue(u"ShadowSize"), 2);
    EXPECT_EQ(back.toText(), d.toText());
}

TEST(MenuDesign, LookOperationsActOnTheHookAndTheSkin)
{
    MenuDesign d;
    EXPECT_TRUE(d.IsSquare());
    d.ShowSquare(0);
    EXPECT_FALSE(d.IsSquare());
    d.ShowSquare(1);
    EXPECT_TRUE(d.IsSquare());
    d.ShowFlatBorder(7);
    EXPECT_TRUE(d.IsFlatBorder());
    d.ShowCaption(0);
    EXPECT_FALSE(d.IsShowCaption());
    EXPECT_EQ(d.formHook()->setElements(u"Options"),
              (QStringList{QStringLiteral("ocFlatBorder"), QStringLiteral("ocNoCaption")}));

    const QByteArray bmp = "BM" + QByteArray(60, 'x');
    d.ShowBackGround(bmp);
    d.root().setBool(u"Shaped", true);
    EXPECT_TRUE(d.IsBackGround());
    EXPECT_EQ(d.formSkin()->binaryValue(u"Skin.Data"), d.formHook()->binaryValue(u"Wallpaper.Data"));
    EXPECT_EQ(MenuPicture::readBitmap(d.formHook()->binaryValue(u"Wallpaper.Data")), bmp);
    d.ShowBackGround({});
    EXPECT_FALSE(d.IsBackGround());
    EXPECT_FALSE(d.root().boolValue(u"Shaped"));
    EXPECT_TRUE(d.formSkin()->binaryValue(u"Skin.Data").isEmpty());

    d.SetIgnoreColor(ColorNames::clWhite);
    EXPECT_EQ(d.GetIgnoreColor(), ColorNames::clWhite);
    EXPECT_TRUE(blockOf(d.toText(), "BitmapFormSkin1").contains("TransparentColor = clWhite"));
}

TEST(MenuDesign, AlignmentWords)
{
    MenuDesign d;
    MenuComponent *label = d.createControl(QStringLiteral("Label"), &d.root(), 0, 0);
    MenuComponent *memo = d.createControl(QStringLiteral("Memo"), &d.root(), 0, 0);
    MenuComponent *panel = d.createControl(QStringLiteral("Panel"), &d.root(), 0, 0);
    MenuComponent *button = d.createControl(QStringLiteral("Button"), &d.root(), 0, 0);
    EXPECT_EQ(MenuDesign::GetAlignmentText(*label), QStringLiteral("Left"));
    MenuDesign::SetAlignmentText(*label, QStringLiteral("Center"));
    EXPECT_EQ(label->stringValue(u"Alignment"), QStringLiteral("taCenter"));
    MenuDesign::SetAlignmentText(*memo, QStringLiteral("Right"));
    EXPECT_EQ(memo->stringValue(u"TextAlign"), QStringLiteral("taRightJustify"));
    MenuDesign::SetAlignmentText(*memo, QStringLiteral("right"));
    EXPECT_EQ(MenuDesign::GetAlignmentText(*memo), QStringLiteral("Left")) << "unknown word leaves the left value";
    MenuDesign::SetAlignmentText(*panel, QStringLiteral("Right Bottom"));
    EXPECT_EQ(panel->stringValue(u"Alignment"), QStringLiteral("alRightBottom"));
    EXPECT_EQ(MenuDesign::GetAlignmentText(*panel), QStringLiteral("Right Bottom"));
    EXPECT_EQ(MenuDesign::GetAlignmentText(*button), QString());
}

TEST(MenuDesign, SaveWritesTheTextAndLoadReadsItBack)
{
    TempDir dir;
    MenuDesign d;
    d.createControl(QStringLiteral("TreeView"), &d.root(), 0, 0);
    d.root().setString(u"Caption", QStringLiteral("Caf") + QChar(233) + QStringLiteral(" it's"));
    ASSERT_TRUE(d.save(dir.file(QStringLiteral("Menu.cfg"))));
    const QByteArray bytes = TempDir::readBytes(dir.file(QStringLiteral("Menu.cfg")));
    EXPECT_EQ(bytes, d.toText());
    EXPECT_TRUE(bytes.contains("  Caption = 'Caf'#233' it'#39's'\r\n"));
    MenuDesign back;
    ASSERT_TRUE(back.load(dir.file(QStringLiteral("Menu.cfg")))) << qPrintable(back.error().Text());
    EXPECT_EQ(back.toText(), bytes);
    EXPECT_FALSE(back.load(dir.file(QStringLiteral("missing.cfg"))));
    EXPECT_FALSE(back.error().isEmpty());
    EXPECT_FALSE(d.save(dir.file(QStringLiteral("no/such/dir/Menu.cfg"))));
    EXPECT_FALSE(d.error().isEmpty());
}
