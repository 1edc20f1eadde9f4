#include "core/menu/MenuDesign.h"

#include "core/menu/ColorNames.h"
#include "core/menu/FormTextReader.h"
#include "core/menu/FormTextWriter.h"
#include "core/menu/MenuPicture.h"
#include "core/menu/TreeNodes.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace scribora::menu {
namespace {

const ClassInfo &cls(const char *name)
{
    return *ClassRegistry::instance().find(QString::fromLatin1(name));
}

struct LoadFailure
{
    int line;
    QString reason;
};

std::unique_ptr<MenuComponent> standardComponent(const QString &name)
{
    auto make = [](const char *c, const QString &n, int left) {
        auto comp = std::make_unique<MenuComponent>(cls(c), n);
        comp->setInt(u"Left", left);
        comp->setInt(u"Top", 64);
        return comp;
    };
    if (name == QLatin1String("CoolFormHook1"))
        return make("TCoolFormHook", name, 24);
    if (name == QLatin1String("BitmapFormSkin1"))
        return make("TBitmapFormSkin", name, 88);
    if (name == QLatin1String("TBXSwitcher1")) {
        auto s = make("TTBXSwitcher", name, 216);
        s->setString(u"Theme", QStringLiteral("OfficeXP"));
        return s;
    }
    return make("TTBXPopupMenu", name, 152);
}

const QStringList &standardNames()
{
    static const QStringList names = {QStringLiteral("CoolFormHook1"), QStringLiteral("BitmapFormSkin1"),
                                      QStringLiteral("PopupMenu"), QStringLiteral("TBXSwitcher1")};
    return names;
}

void collect(const MenuComponent &c, QList<MenuComponent *> &out)
{
    for (const auto &child : c.children()) {
        out << child.get();
        collect(*child, out);
    }
}

FormObject toObject(const MenuComponent &c)
{
    FormObject obj;
    obj.name = c.name();
    obj.className = c.className();
    obj.properties = c.storedProperties();
    obj.children.reserve(c.children().size());
    for (const auto &child : c.children())
        obj.children.push_back(toObject(*child));
    return obj;
}

const QStringList kLeftRight = {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")};
const QStringList kGroupWords = {
    QStringLiteral("Top Left"),    QStringLiteral("Top Center"),    QStringLiteral("Top Right"),
    QStringLiteral("Bottom Left"), QStringLiteral("Bottom Center"), QStringLiteral("Bottom Right"),
    QStringLiteral("Left Top"),    QStringLiteral("Left Center"),   QStringLiteral("Left Bottom"),
    QStringLiteral("Right Top"),   QStringLiteral("Right Center"),  QStringLiteral("Right Bottom")};

// The alignment property of a class and the words of its values, if it has one.
const PropertyInfo *alignmentOf(const MenuComponent &c, const QStringList **words)
{
    const QString &n = c.className();
    if (n == QLatin1String("TCoolLabel") || n == QLatin1String("TdxfGroupBox")) {
        *words = n == QLatin1String("TCoolLabel") ? &kLeftRight : &kGroupWords;
        return c.classInfo().property(u"Alignment");
    }
    if (n == QLatin1String("TKXEdit") || n == QLatin1String("TKXMemo")) {
        *words = &kLeftRight;
        return c.classInfo().property(u"TextAlign");
    }
    return nullptr;
}

} // namespace

MenuDesign::MenuDesign()
    : m_root(std::make_unique<MenuComponent>(cls("TfrmDesignClassic"), QStringLiteral("frmDesignClassic")))
{
    // The design surface, when not a preview, sits at (10, 10) in its panel.
    m_root->setInt(u"Left", 10);
    m_root->setInt(u"Top", 10);
    addStandardComponents();
}

MenuDesign::~MenuDesign() = default;
MenuDesign::MenuDesign(MenuDesign &&) noexcept = default;
MenuDesign &MenuDesign::operator=(MenuDesign &&) noexcept = default;

void MenuDesign::addStandardComponents()
{
    for (const QString &name : standardNames()) {
        if (findComponent(name))
            continue;
        auto comp = standardComponent(name);
        if (name == QLatin1String("PopupMenu")) {
            const char *items[][3] = {{"mnuBringtoFront", "Bring To Front", "mnuBringtoFrontClick"},
                                      {"mnuSendToBack", "Send To Back", "mnuSendToBackClick"},
                                      {"TBXSeparatorItem1", nullptr, nullptr},
                                      {"TBXItem3", "Delete", "mnuDeleteClick"}};
            for (auto &it : items) {
                const QString itemName = QString::fromLatin1(it[0]);
                if (findComponent(itemName))
                    continue;
                std::unique_ptr<MenuComponent> item;
                if (!it[1]) {
                    item = std::make_unique<MenuComponent>(cls("TTBXSeparatorItem"), itemName);
                } else {
                    item = std::make_unique<MenuComponent>(cls("TTBXItem"), itemName);
                    item->setString(u"Caption", QString::fromLatin1(it[1]));
                    item->setInt(u"ImageIndex", 3);
                    item->setIdentifier(u"OnClick", QString::fromLatin1(it[2]));
                }
                item->m_parent = comp.get();
                comp->m_children.push_back(std::move(item));
            }
        }
        comp->m_parent = m_root.get();
        m_root->m_children.push_back(std::move(comp));
    }
}

bool MenuDesign::load(const QString &path)
{
    m_error.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_error.Report(QStringLiteral("%1: %2").arg(path, f.errorString()));
        return false;
    }
    return loadFromText(f.readAll());
}

bool MenuDesign::loadFromText(QByteArrayView text)
{
    m_error.clear();
    FormTextError parseError;
    const std::optional<FormObject> obj = FormTextReader::read(text, &parseError);
    if (!obj) {
        m_error.Report(parseError.toString());
        return false;
    }
    MenuDesign fresh;
    fresh.m_root = std::make_unique<MenuComponent>(cls("TfrmDesignClassic"),
                                                   obj->name.isEmpty() ? QStringLiteral("frmDesignClassic") : obj->name);
    QStringList skipped;
    QList<QString> names;

    auto apply = [&](MenuComponent &c, const FormObject &o) {
        for (const FormProperty &p : o.properties) {
            if (!c.hasProperty(p.name)) {
                skipped << QStringLiteral("line %1: %2.%3").arg(p.line).arg(c.name(), p.name);
                continue;
            }
            QString reason;
            if (!c.setValue(p.name, p.value, &reason))
                throw LoadFailure{p.line, QStringLiteral("invalid value of %1.%2: %3").arg(c.name(), p.name, reason)};
        }
        // A font given in the file is the control's own, whatever the order of the lines.
        if (c.classInfo().hasParentFont()) {
            for (const FormProperty &p : o.properties)
                if (p.name.compare(QLatin1String("ParentFont"), Qt::CaseInsensitive) == 0)
                    c.setValue(p.name, p.value);
        }
    };

    std::function<void(MenuComponent &, const FormObject &)> build = [&](MenuComponent &parent,
                                                                         const FormObject &o) {
        for (const FormObject &childObj : o.children) {
            const ClassInfo *ci = ClassRegistry::instance().find(childObj.className);
            if (!ci || !ci->loadable)
                throw LoadFailure{childObj.line, QStringLiteral("class %1 not found").arg(childObj.className)};
            const ComponentRole pr = parent.classInfo().role;
            bool fits = false;
            if (ci->role == ComponentRole::Control)
                fits = parent.classInfo().acceptsControls;
            else if (ci->role == ComponentRole::NonVisual)
                fits = pr == ComponentRole::Form;
            else if (ci->role == ComponentRole::MenuItem)
                fits = parent.className() == QLatin1String("TTBXPopupMenu");
            if (!fits)
                throw LoadFailure{childObj.line,
                                  QStringLiteral("%1 cannot hold a %2").arg(parent.name(), childObj.className)};
            if (!isValidName(childObj.name))
                throw LoadFailure{childObj.line, QStringLiteral("a %1 without a valid name").arg(childObj.className)};
            for (const QString &n : names)
                if (n.compare(childObj.name, Qt::CaseInsensitive) == 0)
                    throw LoadFailure{childObj.line,
                                      QStringLiteral("a component named %1 already exists").arg(childObj.name)};
            names << childObj.name;
            auto comp = std::make_unique<MenuComponent>(*ci, childObj.name);
            apply(*comp, childObj);
            build(*comp, childObj);
            comp->m_parent = &parent;
            parent.m_children.push_back(std::move(comp));
        }
    };

    try {
        apply(*fresh.m_root, *obj);
        build(*fresh.m_root, *obj);
    } catch (const LoadFailure &f) {
        m_error.Report(QStringLiteral("line %1: %2").arg(f.line).arg(f.reason));
        return false;
    }
    // A design of an older form lacks some of the form's own components; the
    // designer cannot work without them.
    fresh.addStandardComponents();
    m_root = std::move(fresh.m_root);
    m_skipped = skipped;
    return true;
}

QByteArray MenuDesign::toText() const
{
    return FormTextWriter::write(toObject(*m_root));
}

bool MenuDesign::save(const QString &path)
{
    m_error.clear();
    QSaveFile f(path);
    const QByteArray text = toText();
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        m_error.Report(QStringLiteral("%1: %2").arg(path, f.errorString()));
        return false;
    }
    return true;
}

QList<MenuComponent *> MenuDesign::components() const
{
    QList<MenuComponent *> out;
    collect(*m_root, out);
    return out;
}

MenuComponent *MenuDesign::findComponent(QStringView name) const
{
    for (MenuComponent *c : components())
        if (c->name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

QString MenuDesign::UniqueControlName(const QString &base) const
{
    int n = 0;
    auto candidate = [&] { return base + QString::number(n); };
    while (m_root->findChild(candidate()))
        ++n;
    while (findComponent(candidate()))
        ++n;
    return candidate();
}

bool MenuDesign::isValidName(QStringView name)
{
    if (name.isEmpty() || name.size() > 63)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

bool MenuDesign::renameComponent(MenuComponent *component, const QString &newName, QString *reason)
{
    auto fail = [&](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!component)
        return fail(QStringLiteral("no component"));
    if (!isValidName(newName))
        return fail(QStringLiteral("'%1' is not a valid component name").arg(newName));
    MenuComponent *other = findComponent(newName);
    if ((other && other != component)
        || (component != m_root.get() && m_root->name().compare(newName, Qt::CaseInsensitive) == 0))
        return fail(QStringLiteral("a component named %1 already exists").arg(newName));
    const QString &textProp = component->classInfo().textProperty;
    if (!textProp.isEmpty() && component->stringValue(textProp) == component->name())
        component->setString(textProp, newName);
    component->m_name = newName;
    return true;
}

void MenuDesign::insertChild(MenuComponent *parent, std::unique_ptr<MenuComponent> child)
{
    auto &kids = parent->m_children;
    auto pos = std::find_if(kids.begin(), kids.end(), [](const auto &c) { return !c->isControl(); });
    child->m_parent = parent;
    kids.insert(pos, std::move(child));
}

MenuComponent *MenuDesign::createControl(const QString &kindWord, MenuComponent *parent, int x, int y)
{
    const ClassInfo *ci = ClassRegistry::instance().findByKind(kindWord);
    if (!ci || !parent || !parent->classInfo().acceptsControls)
        return nullptr;
    if (!(qint64(x) + 50 > 0 || qint64(y) + 50 > 0))
        return nullptr;
    auto owned = std::make_unique<MenuComponent>(*ci, QString());
    MenuComponent *c = owned.get();
    const QString &k = ci->kindWord;
    if (k == QLatin1String("Label")) {
        c->setString(u"Caption", QStringLiteral("Label"));
        c->setInt(u"ShadowSize", 0);
    } else if (k == QLatin1String("HyperLink")) {
        c->setString(u"Caption", QStringLiteral("Link"));
    } else if (k == QLatin1String("Button")) {
        c->setString(u"Caption", QStringLiteral("OK"));
    } else if (k == QLatin1String("TreeView")) {
        c->setBinary(u"Items.Data", TreeNodes::write(TreeNodes::sampleNodes()));
    } else if (k == QLatin1String("Memo")) {
        c->setValue(u"Lines.Strings", FormValue::fromStrings({QStringLiteral("Long Description")}));
    } else if (k == QLatin1String("Panel")) {
        c->setString(u"Caption", QStringLiteral("Panel"));
    } else if (k == QLatin1String("AVIPlayer")) {
        c->setBool(u"ShowControls", true);
        c->setBool(u"ShowPositionControls", false);
        c->setBool(u"ClickToPlay", false);
    }
    const bool noFont = k == QLatin1String("Image") || k == QLatin1String("FileImage") || k == QLatin1String("AVIPlayer");
    if (!noFont) {
        c->setString(u"Font.Name", QStringLiteral("MS Sans Serif"));
        c->setInt(u"Font.Height", -11); // 8 points at 96 pixels per inch
        c->setInt(u"Font.Color", ColorNames::clWindowText);
        c->setValue(u"Font.Style", FormValue::fromSet({}));
    }
    c->setInt(u"Left", x);
    c->setInt(u"Top", y);
    if (k != QLatin1String("AVIPlayer")) {
        c->setInt(u"Width", 50);
        c->setInt(u"Height", 50);
    }
    insertChild(parent, std::move(owned));
    renameComponent(c, UniqueControlName(ci->nameBase));
    if (k == QLatin1String("Edit"))
        c->setString(u"Text", QString());

    const qint64 bottom = c->intValue(u"Top") + c->intValue(u"Height") + 30;
    if (bottom > m_root->intValue(u"Height"))
        m_root->setInt(u"Height", bottom);
    const qint64 right = c->intValue(u"Left") + c->intValue(u"Width") + 10;
    if (right > m_root->intValue(u"Width"))
        m_root->setInt(u"Width", right);
    return c;
}

bool MenuDesign::removeComponent(MenuComponent *component)
{
    // The form's own components stay: the designer cannot work without them.
    if (!component || !component->isControl() || !component->m_parent)
        return false;
    auto &kids = component->m_parent->m_children;
    auto it = std::find_if(kids.begin(), kids.end(), [&](const auto &c) { return c.get() == component; });
    if (it == kids.end())
        return false;
    kids.erase(it);
    return true;
}

void MenuDesign::bringToFront(MenuComponent *control)
{
    if (!control || !control->isControl() || !control->m_parent)
        return;
    auto &kids = control->m_parent->m_children;
    auto it = std::find_if(kids.begin(), kids.end(), [&](const auto &c) { return c.get() == control; });
    if (it == kids.end())
        return;
    MenuComponent *parent = control->m_parent;
    std::unique_ptr<MenuComponent> owned = std::move(*it);
    kids.erase(it);
    insertChild(parent, std::move(owned));
}

void MenuDesign::sendToBack(MenuComponent *control)
{
    if (!control || !control->isControl() || !control->m_parent)
        return;
    auto &kids = control->m_parent->m_children;
    auto it = std::find_if(kids.begin(), kids.end(), [&](const auto &c) { return c.get() == control; });
    if (it == kids.end())
        return;
    std::rotate(kids.begin(), it, it + 1);
}

MenuComponent *MenuDesign::formHook() const
{
    MenuComponent *c = m_root->findChild(u"CoolFormHook1");
    return c && c->className() == QLatin1String("TCoolFormHook") ? c : nullptr;
}

MenuComponent *MenuDesign::formSkin() const
{
    MenuComponent *c = m_root->findChild(u"BitmapFormSkin1");
    return c && c->className() == QLatin1String("TBitmapFormSkin") ? c : nullptr;
}

void MenuDesign::ShowSquare(int square)
{
    if (MenuComponent *h = formHook())
        h->setElement(u"Options", QStringLiteral("ocRoundedForm"), square == 0);
}

bool MenuDesign::IsSquare() const
{
    const MenuComponent *h = formHook();
    return !h || !h->setElements(u"Options").contains(QLatin1String("ocRoundedForm"));
}

void MenuDesign::ShowBackGround(const QByteArray &bmpFile)
{
    MenuComponent *h = formHook();
    if (!h)
        return;
    if (!bmpFile.isEmpty()) {
        h->setBinary(u"Wallpaper.Data", MenuPicture::writeBitmap(bmpFile));
        h->setElement(u"Options", QStringLiteral("ocPaintWallpaper"), true);
    } else {
        h->setBinary(u"Wallpaper.Data", QByteArray());
        h->setElement(u"Options", QStringLiteral("ocPaintWallpaper"), false);
        m_root->setBool(u"Shaped", false);
    }
    if (MenuComponent *s = formSkin())
        s->setBinary(u"Skin.Data", h->binaryValue(u"Wallpaper.Data"));
}

bool MenuDesign::IsBackGround() const
{
    const MenuComponent *h = formHook();
    return h && h->setElements(u"Options").contains(QLatin1String("ocPaintWallpaper"));
}

void MenuDesign::ShowFlatBorder(int flat)
{
    if (MenuComponent *h = formHook())
        h->setElement(u"Options", QStringLiteral("ocFlatBorder"), flat != 0);
}

bool MenuDesign::IsFlatBorder() const
{
    const MenuComponent *h = formHook();
    return h && h->setElements(u"Options").contains(QLatin1String("ocFlatBorder"));
}

void MenuDesign::ShowCaption(int show)
{
    if (MenuComponent *h = formHook())
        h->setElement(u"Options", QStringLiteral("ocNoCaption"), show == 0);
}

bool MenuDesign::IsShowCaption() const
{
    const MenuComponent *h = formHook();
    return !h || !h->setElements(u"Options").contains(QLatin1String("ocNoCaption"));
}

void MenuDesign::SetIgnoreColor(qint32 color)
{
    if (MenuComponent *s = formSkin())
        s->setInt(u"TransparentColor", color);
}

qint32 MenuDesign::GetIgnoreColor() const
{
    const MenuComponent *s = formSkin();
    return s ? qint32(s->intValue(u"TransparentColor")) : ColorNames::clNone;
}

QString MenuDesign::GetAlignmentText(const MenuComponent &control)
{
    const QStringList *words = nullptr;
    const PropertyInfo *p = alignmentOf(control, &words);
    if (!p)
        return {};
    const int i = p->names.indexOf(control.value(p->name).text);
    return words->value(i);
}

void MenuDesign::SetAlignmentText(MenuComponent &control, const QString &text)
{
    const QStringList *words = nullptr;
    const PropertyInfo *p = alignmentOf(control, &words);
    if (!p)
        return;
    control.setIdentifier(p->name, p->names.first());
    const int i = words->indexOf(text);
    if (i >= 0)
        control.setIdentifier(p->name, p->names[i]);
}

} // namespace scribora::menu
