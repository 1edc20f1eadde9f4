#pragma once

#include "gui/dialogs/Prompter.h"

namespace scribora::gui {

// The production prompter: QMessageBox, QFileDialog, QColorDialog, QFontDialog.
class QtPrompter : public Prompter
{
public:
    bool question(QWidget *parent, const QString &title, const QString &text) override;
    void error(QWidget *parent, const QString &title, const QString &text) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    QString openFile(QWidget *parent, const QString &title, const QString &folder,
                     const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &path,
                     const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override;
    bool chooseColour(QWidget *parent, QColor &value) override;
    bool chooseFont(QWidget *parent, QFont &value) override;
};

} // namespace scribora::gui
