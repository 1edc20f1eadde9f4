#pragma once

#include <QIcon>

namespace scribora::gui {

// The glyphs of the main tool bar (new, open, save, project explorer, build) and
// of the Controls tool bar (label, hyperlink, button, file list, category list,
// picture, short and long description, panel, file picture, delete, AVI player).
// Drawn by the program itself so that they look the same on every desktop.
QIcon toolBarGlyph(int index);
QIcon controlGlyph(int index);
QIcon applicationIcon();

} // namespace scribora::gui
