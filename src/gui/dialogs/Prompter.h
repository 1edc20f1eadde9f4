#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace scribora::gui {

// Every question, message and common dialog the program shows to a person goes
// through here, so that tests can answer them from a script and no test ever
// waits on a modal window. Production uses QtPrompter.
//
// File filters are given in the program's own notation, pairs joined by '|':
// "Menu Project Files (*.cdprj)|*.cdprj|All Files (*.*)|*.*".
class Prompter
{
public:
    virtual ~Prompter() = default;

    // A confirmation with Yes and No only; true for Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text) = 0;
    // An error box with OK.
    virtual void error(QWidget *parent, const QString &title, const QString &text) = 0;
    // An information box with OK.
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;

    // File dialogs return the chosen path, or an empty text when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &path,
                             const QString &filter) = 0;
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;

    // Colour and font dialogs: true when the user accepted; value holds the choice.
    virtual bool chooseColour(QWidget *parent, QColor &value) = 0;
    virtual bool chooseFont(QWidget *parent, QFont &value) = 0;
};

// The prompter in force. Tests install their own with setPrompter and restore the
// previous one afterwards; nullptr restores the production one.
Prompter &prompter();
void setPrompter(Prompter *p);

// "A (*.x)|*.x|B|*.y;*.z" -> "A (*.x);;B (*.y *.z)" for QFileDialog.
QString toQtFileFilter(const QString &filter);

} // namespace scribora::gui
