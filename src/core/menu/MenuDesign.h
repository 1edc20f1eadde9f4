#pragma once

#include "core/menu/MenuComponent.h"
#include "core/project/CustomError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace scribora::menu {

// The design of a menu window: the design form (the root), its controls as a
// tree (a Panel holds controls) and its non-visual components. The designer's
// widgets are views of it; the menu configuration file is its text.
class MenuDesign
{
public:
    // Messages the GUI shows for failures of these operations.
    static constexpr const char *loadFailedMessage = "Error Loading Form Configuration";
    static constexpr const char *saveFailedMessage = "Error Saving Form Configuration";

    // A design as the design surface starts: the form's resource values and its
    // four non-visual components.
    MenuDesign();
    ~MenuDesign();
    MenuDesign(MenuDesign &&) noexcept;
    MenuDesign &operator=(MenuDesign &&) noexcept;

    MenuComponent &root() { return *m_root; }
    const MenuComponent &root() const { return *m_root; }

    // Replaces the design with a file's. On failure (unreadable file, malformed
    // text, an unknown class, a value that does not fit its property) the design
    // stays as it was and error() says why, with the line. Properties unknown to
    // their class are skipped and listed in skippedProperties().
    bool load(const QString &path);
    bool loadFromText(QByteArrayView text);
    // Writes through a temporary file, so a failed save leaves the old file whole.
    bool save(const QString &path);
    QByteArray toText() const;

    const project::CustomError &error() const { return m_error; }
    const QStringList &skippedProperties() const { return m_skipped; }

    // Every component below the root, parents before their children.
    QList<MenuComponent *> components() const;
    MenuComponent *findComponent(QStringView name) const;

    QString UniqueControlName(const QString &base) const;
    // Places a control of a tool's kind word at (x, y) in parent (the form or a
    // Panel) with the initial values the designer gives it; grows the form so
    // that it fits. Null for an unknown kind, a parent that holds no controls or
    // a point too far above and to the left.
    MenuComponent *createControl(const QString &kindWord, MenuComponent *parent, int x, int y);
    // Renames a component; a control whose text equals its old name shows the
    // new one. Fails for a name that is no identifier or is taken.
    bool renameComponent(MenuComponent *component, const QString &newName, QString *reason = nullptr);
    // Removes a control with everything inside it; the form and its non-visual
    // components cannot go.
    bool removeComponent(MenuComponent *component);
    void bringToFront(MenuComponent *control);
    void sendToBack(MenuComponent *control);

    // The window's look, on CoolFormHook1 and BitmapFormSkin1.
    MenuComponent *formHook() const;
    MenuComponent *formSkin() const;
    void ShowSquare(int square);
    bool IsSquare() const;
    // A .bmp file, or empty to clear the background.
    void ShowBackGround(const QByteArray &bmpFile);
    bool IsBackGround() const;
    void ShowFlatBorder(int flat);
    bool IsFlatBorder() const;
    void ShowCaption(int show);
    bool IsShowCaption() const;
    void SetIgnoreColor(qint32 color);
    qint32 GetIgnoreColor() const;

    // Alignment words of the property panel: "Left", "Center", "Top Right" ...
    static QString GetAlignmentText(const MenuComponent &control);
    static void SetAlignmentText(MenuComponent &control, const QString &text);

    static bool isValidName(QStringView name);

private:
    std::unique_ptr<MenuComponent> m_root;
    project::CustomError m_error;
    QStringList m_skipped;

    void addStandardComponents();
    void insertChild(MenuComponent *parent, std::unique_ptr<MenuComponent> child);
};

} // namespace scribora::menu
