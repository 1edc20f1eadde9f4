#include "gui/dialogs/QtPrompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace scribora::gui {

namespace {
Prompter *g_installed = nullptr;
} // namespace

Prompter &prompter()
{
    static QtPrompter production;
    return g_installed ? *g_installed : production;
}

void setPrompter(Prompter *p) { g_installed = p; }

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the parentheses; name them when the caption
        // does not already show them.
        if (!name.contains(QLatin1Char('(')))
            name += QStringLiteral(" (") + patterns + QLatin1Char(')');
        else
            name = name.left(name.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") + patterns
                   + QLatin1Char(')');
        out << name;
    }
    return out.join(QStringLiteral(";;"));
}

bool QtPrompter::question(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void QtPrompter::error(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void QtPrompter::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

QString QtPrompter::openFile(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, toQtFileFilter(filter));
}

QString QtPrompter::saveFile(QWidget *parent, const QString &title, const QString &path,
                             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, path, toQtFileFilter(filter));
}

QString QtPrompter::chooseFolder(QWidget *parent, const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

bool QtPrompter::chooseColour(QWidget *parent, QColor &value)
{
    const QColor c = QColorDialog::getColor(value, parent);
    if (!c.isValid())
        return false;
    value = c;
    return true;
}

bool QtPrompter::chooseFont(QWidget *parent, QFont &value)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, value, parent);
    if (ok)
        value = f;
    return ok;
}

} // namespace scribora::gui
