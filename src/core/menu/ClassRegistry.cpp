#include "core/menu/ClassRegistry.h"

#include "core/menu/ColorNames.h"
#include "core/menu/MenuPicture.h"
#include "core/menu/TreeNodes.h"

#include <array>
#include <limits>

namespace scribora::menu {
namespace {

struct Charset
{
    const char *name;
    int value;
};

constexpr std::array<Charset, 19> kCharsets = {{
    {"ANSI_CHARSET", 0},        {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},        {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},     {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},     {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},    {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204},   {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

using Names = QStringList;

const Names kTextAlign = {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify"),
                          QStringLiteral("taCenter")};
const Names kCoolOptions = {QStringLiteral("ocPaintWallpaper"), QStringLiteral("ocRoundedForm"),
                            QStringLiteral("ocFlatBorder"), QStringLiteral("ocPaintTransparently"),
                            QStringLiteral("ocNoCaption")};
const Names kFontStyles = {QStringLiteral("fsBold"), QStringLiteral("fsItalic"), QStringLiteral("fsUnderline"),
                           QStringLiteral("fsStrikeOut")};
const Names kGroupAlign = {
    QStringLiteral("alTopLeft"),     QStringLiteral("alTopCenter"),   QStringLiteral("alTopRight"),
    QStringLiteral("alBottomLeft"),  QStringLiteral("alBottomCenter"), QStringLiteral("alBottomRight"),
    QStringLiteral("alLeftTop"),     QStringLiteral("alLeftCenter"),  QStringLiteral("alLeftBottom"),
    QStringLiteral("alRightTop"),    QStringLiteral("alRightCenter"), QStringLiteral("alRightBottom")};
const Names kShadowPos = {QStringLiteral("spTopLeft"), QStringLiteral("spTop"), QStringLiteral("spTopRight"),
                          QStringLiteral("spRight"), QStringLiteral("spBottomRight"), QStringLiteral("spBottom"),
                          QStringLiteral("spBottomLeft"), QStringLiteral("spLeft")};
const Names kSkinOptions = {QStringLiteral("soCaption"), QStringLiteral("soBorder"), QStringLiteral("soControls"),
                            QStringLiteral("soSkin"), QStringLiteral("soAutoSize"), QStringLiteral("soClientDrag")};
const Names kBorderIcons = {QStringLiteral("biSystemMenu"), QStringLiteral("biMinimize"),
                            QStringLiteral("biMaximize"), QStringLiteral("biHelp")};
const Names kPositions = {QStringLiteral("poDesigned"), QStringLiteral("poDefault"),
                          QStringLiteral("poDefaultPosOnly"), QStringLiteral("poDefaultSizeOnly"),
                          QStringLiteral("poScreenCenter"), QStringLiteral("poDesktopCenter"),
                          QStringLiteral("poMainFormCenter"), QStringLiteral("poOwnerFormCenter")};
const Names kDragKinds = {QStringLiteral("dkDrag"), QStringLiteral("dkDock")};
const Names kBorderStyles = {QStringLiteral("bsNone"), QStringLiteral("bsSingle")};

PropertyInfo prop(const char *name, PropertyType type, std::optional<FormValue> def = std::nullopt,
                  Names names = {})
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.type = type;
    p.defaultValue = std::move(def);
    p.names = std::move(names);
    return p;
}

PropertyInfo integer(const char *name, std::optional<qint64> def = std::nullopt)
{
    return prop(name, PropertyType::Integer, def ? std::optional(FormValue::fromInteger(*def)) : std::nullopt);
}

PropertyInfo boolean(const char *name, std::optional<bool> def = std::nullopt)
{
    return prop(name, PropertyType::Boolean, def ? std::optional(FormValue::fromBool(*def)) : std::nullopt);
}

PropertyInfo enumeration(const char *name, const Names &names, const QString &def)
{
    return prop(name, PropertyType::Enumeration, FormValue::fromIdentifier(def), names);
}

PropertyInfo set(const char *name, const Names &names, std::optional<Names> def = Names{})
{
    return prop(name, PropertyType::Set, def ? std::optional(FormValue::fromSet(*def)) : std::nullopt, names);
}

PropertyInfo color(const char *name, std::optional<qint32> def)
{
    return prop(name, PropertyType::Color, def ? std::optional(FormValue::fromInteger(*def)) : std::nullopt);
}

PropertyInfo string(const char *name) { return prop(name, PropertyType::String, FormValue::fromString({})); }
PropertyInfo typed(const char *name, PropertyType t) { return prop(name, t); }

using Props = std::vector<PropertyInfo>;

Props operator+(Props a, const Props &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Props bounds()
{
    return {integer("Left"), integer("Top"), integer("Width"), integer("Height")};
}

Props font()
{
    Props f = {prop("Font.Charset", PropertyType::Charset), prop("Font.Color", PropertyType::Color),
               integer("Font.Height"), typed("Font.Name", PropertyType::String),
               prop("Font.Style", PropertyType::Set, std::nullopt, kFontStyles)};
    for (PropertyInfo &p : f)
        p.fontGroup = true;
    return f;
}

QHash<QString, FormValue> fontInitial()
{
    return {{QStringLiteral("Font.Charset"), FormValue::fromInteger(1)},
            {QStringLiteral("Font.Color"), FormValue::fromInteger(ColorNames::clWindowText)},
            {QStringLiteral("Font.Height"), FormValue::fromInteger(-11)},
            {QStringLiteral("Font.Name"), FormValue::fromString(QStringLiteral("MS Sans Serif"))},
            {QStringLiteral("Font.Style"), FormValue::fromSet({})}};
}

ClassInfo makeClass(const char *name, const char *base, ComponentRole role, Props props)
{
    ClassInfo c;
    c.name = QString::fromLatin1(name);
    c.baseName = QString::fromLatin1(base);
    c.role = role;
    c.properties = std::move(props);
    if (role == ComponentRole::Control || role == ComponentRole::Form)
        c.initial = fontInitial();
    return c;
}

void kind(ClassInfo &c, const char *kindWord, const char *nameBase, const char *caption)
{
    c.kindWord = QString::fromLatin1(kindWord);
    c.nameBase = QString::fromLatin1(nameBase);
    c.caption = QString::fromLatin1(caption);
}

FormValue I(qint64 v) { return FormValue::fromInteger(v); }
FormValue B(bool v) { return FormValue::fromBool(v); }
FormValue Id(const char *v) { return FormValue::fromIdentifier(QString::fromLatin1(v)); }
FormValue S(const char *v) { return FormValue::fromString(QString::fromLatin1(v)); }

} // namespace

// ---- PropertyInfo ----

std::optional<FormValue> PropertyInfo::normalize(const FormValue &v, QString *reason) const
{
    auto bad = [&](const QString &why) -> std::optional<FormValue> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    const auto kindIs = [&](FormValue::Kind k) { return v.kind == k; };
    switch (type) {
    case PropertyType::Integer:
        if (!kindIs(FormValue::Kind::Integer))
            return bad(QStringLiteral("an integer is expected"));
        if (v.integer < std::numeric_limits<qint32>::min() || v.integer > std::numeric_limits<qint32>::max())
            return bad(QStringLiteral("the integer is out of range"));
        return v;
    case PropertyType::Boolean:
        if (kindIs(FormValue::Kind::Identifier)) {
            if (v.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return FormValue::fromBool(true);
            if (v.text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return FormValue::fromBool(false);
        }
        return bad(QStringLiteral("True or False is expected"));
    case PropertyType::Enumeration:
        if (kindIs(FormValue::Kind::Identifier))
            for (const QString &n : names)
                if (n.compare(v.text, Qt::CaseInsensitive) == 0)
                    return FormValue::fromIdentifier(n);
        return bad(QStringLiteral("one of %1 is expected").arg(names.join(QStringLiteral(", "))));
    case PropertyType::Set: {
        if (!kindIs(FormValue::Kind::Set))
            return bad(QStringLiteral("a set is expected"));
        QStringList out;
        for (const QString &n : names) {
            for (const QString &e : v.names)
                if (n.compare(e, Qt::CaseInsensitive) == 0) {
                    out << n;
                    break;
                }
        }
        for (const QString &e : v.names)
            if (!names.contains(e, Qt::CaseInsensitive))
                return bad(QStringLiteral("'%1' is not an element of this set").arg(e));
        return FormValue::fromSet(out);
    }
    case PropertyType::Color: {
        std::optional<qint32> c;
        if (kindIs(FormValue::Kind::Integer))
            c = ColorNames::fromInteger(v.integer);
        else if (kindIs(FormValue::Kind::Identifier))
            c = ColorNames::fromName(v.text);
        if (!c)
            return bad(QStringLiteral("a colour is expected"));
        return FormValue::fromInteger(*c);
    }
    case PropertyType::Charset:
        if (kindIs(FormValue::Kind::Integer) && v.integer >= 0 && v.integer <= 255)
            return v;
        if (kindIs(FormValue::Kind::Identifier))
            if (auto c = ClassRegistry::charsetFromName(v.text))
                return FormValue::fromInteger(*c);
        return bad(QStringLiteral("a character set is expected"));
    case PropertyType::String:
        if (!kindIs(FormValue::Kind::String))
            return bad(QStringLiteral("a string is expected"));
        return v;
    case PropertyType::Strings:
        if (!kindIs(FormValue::Kind::List))
            return bad(QStringLiteral("a list of strings is expected"));
        for (const FormValue &item : v.list)
            if (item.kind != FormValue::Kind::String)
                return bad(QStringLiteral("a list of strings is expected"));
        return v;
    case PropertyType::Picture:
    case PropertyType::Bitmap:
    case PropertyType::TreeNodes: {
        if (!kindIs(FormValue::Kind::Binary))
            return bad(QStringLiteral("binary data is expected"));
        QString why;
        const bool ok = type == PropertyType::Picture ? MenuPicture::readPicture(v.bytes, &why).has_value()
            : type == PropertyType::Bitmap            ? MenuPicture::readBitmap(v.bytes, &why).has_value()
                                                      : TreeNodes::read(v.bytes, &why).has_value();
        if (!ok)
            return bad(why);
        return v;
    }
    case PropertyType::Event:
        if (!kindIs(FormValue::Kind::Identifier))
            return bad(QStringLiteral("a method name is expected"));
        return v;
    }
    return bad(QStringLiteral("unknown property type"));
}

FormValue PropertyInfo::toText(const FormValue &held) const
{
    if (type == PropertyType::Color && held.kind == FormValue::Kind::Integer) {
        const QString n = ColorNames::name(qint32(held.integer));
        return n.isEmpty() ? held : FormValue::fromIdentifier(n);
    }
    if (type == PropertyType::Charset && held.kind == FormValue::Kind::Integer) {
        const QString n = ClassRegistry::charsetName(held.integer);
        return n.isEmpty() ? held : FormValue::fromIdentifier(n);
    }
    return held;
}

bool PropertyInfo::isEmptyValue(const FormValue &held) const
{
    switch (type) {
    case PropertyType::String:
    case PropertyType::Event:
        return held.text.isEmpty();
    case PropertyType::Strings:
        return held.list.empty();
    case PropertyType::Picture:
    case PropertyType::Bitmap:
    case PropertyType::TreeNodes:
        return held.bytes.isEmpty();
    default:
        return false;
    }
}

FormValue PropertyInfo::emptyValue() const
{
    if (defaultValue)
        return *defaultValue;
    switch (type) {
    case PropertyType::Boolean: return FormValue::fromBool(false);
    case PropertyType::Enumeration: return FormValue::fromIdentifier(names.value(0));
    case PropertyType::Set: return FormValue::fromSet({});
    case PropertyType::String: return FormValue::fromString({});
    case PropertyType::Strings: return FormValue::emptyList();
    case PropertyType::Picture:
    case PropertyType::Bitmap:
    case PropertyType::TreeNodes: return FormValue::fromBinary({});
    case PropertyType::Event: return FormValue::fromIdentifier({});
    default: return FormValue::fromInteger(0);
    }
}

// ---- ClassInfo ----

int ClassInfo::propertyIndex(QStringView name) const
{
    for (size_t i = 0; i < properties.size(); ++i)
        if (properties[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const PropertyInfo *ClassInfo::property(QStringView name) const
{
    const int i = propertyIndex(name);
    return i < 0 ? nullptr : &properties[size_t(i)];
}

FormValue ClassInfo::initialValue(int index) const
{
    const PropertyInfo &p = properties[size_t(index)];
    const auto it = initial.constFind(p.name);
    return it != initial.constEnd() ? *it : p.emptyValue();
}

// ---- ClassRegistry ----

const ClassRegistry &ClassRegistry::instance()
{
    static const ClassRegistry registry;
    return registry;
}

ClassRegistry::ClassRegistry()
{
    using R = ComponentRole;
    using T = PropertyType;
    const Props parentFont = {boolean("ParentFont", true)};
    const Props tabOrder = {integer("TabOrder", -1)};
    const Props wallpaper = {typed("Wallpaper.Data", T::Bitmap)};
    const Props coolOptions = {set("Options", kCoolOptions)};
    const Props actions = {integer("DoAction", 0), integer("SpecificFile", 0)};

    // The eleven control classes, in the tool bar's order.
    {
        ClassInfo c = makeClass("TCoolLabel", "TCustomLabel", R::Control,
                                bounds() + Props{enumeration("Alignment", kTextAlign, QStringLiteral("taLeftJustify")),
                                                 string("Caption"), color("Color", ColorNames::clBtnFace)}
                                    + font() + parentFont
                                    + Props{integer("ShadowSize", 2), boolean("Transparent", false)} + wallpaper);
        kind(c, "Label", "Label", "Label");
        c.textProperty = QStringLiteral("Caption");
        c.initial.insert(QStringLiteral("ShadowSize"), I(2));
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXLink", "TTBXLink", R::Control,
                                bounds() + Props{string("Caption"), color("Color", ColorNames::clBtnFace)} + font()
                                    + parentFont + Props{string("SoundFile")} + actions + Props{string("URL")});
        kind(c, "HyperLink", "Link", "HyperLink");
        c.textProperty = QStringLiteral("Caption");
        m_classes.push_back(c);
    }
    const Props imageProps = bounds()
        + Props{boolean("Center", false), typed("Picture.Data", T::Picture), boolean("Stretch", false),
                boolean("Transparent", false)};
    {
        ClassInfo c = makeClass("TKXImage", "TImage", R::Control, imageProps);
        kind(c, "Image", "Image", "Picture");
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXButton", "TCoolBtn", R::Control,
                                bounds() + Props{string("Caption"), color("Color", ColorNames::clBtnFace)} + font()
                                    + coolOptions + parentFont + Props{integer("ShadowSize", 2)} + tabOrder
                                    + wallpaper + Props{string("URL")} + actions + Props{string("SoundFile")});
        kind(c, "Button", "Button", "Button");
        c.textProperty = QStringLiteral("Caption");
        c.initial.insert(QStringLiteral("ShadowSize"), I(0));
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TdxfGroupBox", "TCustomGroupBox", R::Control,
                                bounds() + Props{string("Caption"), color("Color", ColorNames::clBtnFace)} + font()
                                    + parentFont + tabOrder
                                    + Props{enumeration("Alignment", kGroupAlign, QStringLiteral("alTopLeft")),
                                            color("ShadowColor", ColorNames::clGray), integer("ShadowSize", 0),
                                            enumeration("ShadowPos", kShadowPos, QStringLiteral("spBottomRight"))});
        kind(c, "Panel", "Panel", "Panel");
        c.textProperty = QStringLiteral("Caption");
        c.acceptsControls = true;
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXListBox", "TCoolListBox", R::Control,
                                bounds() + Props{string("Caption"), color("Color", ColorNames::clWindow)} + font()
                                    + coolOptions + parentFont + Props{integer("ShadowSize", 2)} + tabOrder
                                    + wallpaper + Props{string("SoundFile")});
        kind(c, "List", "ListBox", "File List");
        c.textProperty = QStringLiteral("Caption");
        c.initial.insert(QStringLiteral("ShadowSize"), I(0));
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXTreeView", "TTreeView", R::Control,
                                bounds() + Props{color("Color", ColorNames::clWindow)} + font()
                                    + Props{typed("Items.Data", T::TreeNodes)} + parentFont
                                    + Props{boolean("ReadOnly", false)} + tabOrder + Props{string("SoundFile")});
        kind(c, "TreeView", "TreeView", "Category File List");
        c.initial.insert(QStringLiteral("ReadOnly"), B(true));
        m_classes.push_back(c);
    }
    const Props editBase = bounds() + Props{color("Color", ColorNames::clWindow)} + font();
    const Props editOptions = {set("Options", kCoolOptions, Names{QStringLiteral("ocPaintTransparently")})};
    const Props editTail = parentFont + Props{boolean("ReadOnly", false)} + tabOrder;
    const Props textAlign = {enumeration("TextAlign", kTextAlign, QStringLiteral("taLeftJustify"))};
    {
        ClassInfo c = makeClass("TKXEdit", "TCoolEdit", R::Control,
                                editBase + editOptions + editTail + Props{string("Text")} + textAlign + wallpaper
                                    + Props{string("ShowFileTitle")});
        kind(c, "Edit", "Edit", "Short Description");
        c.textProperty = QStringLiteral("Text");
        c.initial.insert(QStringLiteral("ReadOnly"), B(true));
        c.initial.insert(QStringLiteral("ShowFileTitle"), S("Title"));
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXMemo", "TCoolMemo", R::Control,
                                editBase + Props{typed("Lines.Strings", T::Strings)} + editOptions + editTail
                                    + textAlign + wallpaper + Props{string("ShowFileTitle")});
        kind(c, "Memo", "Memo", "Long Description");
        c.initial.insert(QStringLiteral("ReadOnly"), B(true));
        c.initial.insert(QStringLiteral("ShowFileTitle"), S("Title"));
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TKXFileImage", "TImage", R::Control, imageProps);
        kind(c, "FileImage", "FileImage", "File Picture");
        m_classes.push_back(c);
    }
    {
        ClassInfo c = makeClass("TActiveMovie", "TCustomPanel", R::Control,
                                bounds() + tabOrder
                                    + Props{string("FileName"), boolean("ShowControls", true),
                                            boolean("AutoStart", false), boolean("Loop", false),
                                            boolean("ShowPositionControls", true), boolean("ClickToPlay", true)});
        kind(c, "AVIPlayer", "AVIPlayer", "AVI Player");
        c.initial = {};
        // The player's own size (that of its panel base).
        c.initial.insert(QStringLiteral("Width"), I(185));
        c.initial.insert(QStringLiteral("Height"), I(41));
        m_classes.push_back(c);
    }
    {
        // Known, but never placed by the designer nor created from a file.
        ClassInfo c = makeClass("TKXLabel", "TCoolEdit", R::Control,
                                editBase + Props{enumeration("BorderStyle", kBorderStyles, QStringLiteral("bsSingle"))}
                                    + editOptions + editTail + Props{string("Text")} + textAlign + wallpaper);
        c.loadable = false;
        c.textProperty = QStringLiteral("Text");
        c.initial.insert(QStringLiteral("Options"), FormValue::fromSet({}));
        c.initial.insert(QStringLiteral("Color"), I(ColorNames::clBtnFace));
        c.initial.insert(QStringLiteral("BorderStyle"), Id("bsNone"));
        m_classes.push_back(c);
    }

    // The design form.
    {
        ClassInfo c = makeClass(
            "TfrmDesignClassic", "TfrmDesign", R::Form,
            bounds()
                + Props{set("BorderIcons", kBorderIcons,
                            Names{QStringLiteral("biSystemMenu"), QStringLiteral("biMinimize"),
                                  QStringLiteral("biMaximize")}),
                        string("Caption"), color("Color", std::nullopt),
                        enumeration("DragKind", kDragKinds, QStringLiteral("dkDrag"))}
                + font()
                + Props{enumeration("Position", kPositions, QStringLiteral("poDesigned")),
                        boolean("ShowHint", false), boolean("Visible", false), typed("OnActivate", T::Event),
                        typed("OnResize", T::Event), boolean("Shaped"), string("SoundFile"),
                        boolean("RepeatSoundFile", false), integer("PixelsPerInch"), integer("TextHeight")});
        c.acceptsControls = true;
        c.initial.insert(QStringLiteral("Left"), I(547));
        c.initial.insert(QStringLiteral("Top"), I(177));
        c.initial.insert(QStringLiteral("Width"), I(347));
        c.initial.insert(QStringLiteral("Height"), I(467));
        c.initial.insert(QStringLiteral("BorderIcons"), FormValue::fromSet({}));
        c.initial.insert(QStringLiteral("Caption"), S("Design Menu"));
        c.initial.insert(QStringLiteral("Color"), I(ColorNames::clBtnFace));
        c.initial.insert(QStringLiteral("DragKind"), Id("dkDock"));
        c.initial.insert(QStringLiteral("Position"), Id("poDefault"));
        c.initial.insert(QStringLiteral("ShowHint"), B(true));
        c.initial.insert(QStringLiteral("Visible"), B(true));
        c.initial.insert(QStringLiteral("OnActivate"), Id("FormActivate"));
        c.initial.insert(QStringLiteral("OnResize"), Id("FormResize"));
        c.initial.insert(QStringLiteral("PixelsPerInch"), I(96));
        c.initial.insert(QStringLiteral("TextHeight"), I(13));
        m_classes.push_back(c);
    }

    // The design form's non-visual components; Left and Top are their icons' places.
    const Props place = {integer("Left"), integer("Top")};
    m_classes.push_back(makeClass("TCoolFormHook", "TComponent", R::NonVisual,
                                  Props{set("Options", kCoolOptions), typed("Wallpaper.Data", T::Bitmap)} + place));
    {
        // The build finds the Options and Active lines in every file: no defaults.
        ClassInfo c = makeClass("TBitmapFormSkin", "TComponent", R::NonVisual,
                                Props{color("TransparentColor", std::nullopt), typed("Skin.Data", T::Bitmap),
                                      boolean("Preview"), set("Options", kSkinOptions, std::nullopt),
                                      boolean("Active")}
                                    + place);
        c.initial.insert(QStringLiteral("TransparentColor"), I(ColorNames::clNone));
        m_classes.push_back(c);
    }
    m_classes.push_back(makeClass("TTBXPopupMenu", "TTBXPopupMenu", R::NonVisual, place));
    m_classes.push_back(makeClass("TTBXItem", "TTBCustomItem", R::MenuItem,
                                  Props{string("Caption"), integer("ImageIndex", -1), typed("OnClick", T::Event)}));
    m_classes.push_back(makeClass("TTBXSeparatorItem", "TTBSeparatorItem", R::MenuItem, {}));
    m_classes.push_back(makeClass("TTBXSwitcher", "TComponent", R::NonVisual, Props{string("Theme")} + place));
}

const ClassInfo *ClassRegistry::find(QStringView className) const
{
    for (const ClassInfo &c : m_classes)
        if (c.name.compare(className, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ClassInfo *ClassRegistry::findByKind(QStringView kindWord) const
{
    if (kindWord.isEmpty())
        return nullptr;
    for (const ClassInfo &c : m_classes)
        if (c.kindWord == kindWord)
            return &c;
    return nullptr;
}

QStringList ClassRegistry::kindWords() const
{
    QStringList out;
    for (const ClassInfo &c : m_classes)
        if (!c.kindWord.isEmpty())
            out << c.kindWord;
    return out;
}

QString ClassRegistry::charsetName(qint64 charset)
{
    for (const Charset &c : kCharsets)
        if (c.value == charset)
            return QString::fromLatin1(c.name);
    return {};
}

std::optional<qint64> ClassRegistry::charsetFromName(QStringView name)
{
    for (const Charset &c : kCharsets)
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    return std::nullopt;
}

} // namespace scribora::menu
