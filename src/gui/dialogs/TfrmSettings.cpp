#include "gui/dialogs/TfrmSettings.h"

#include "gui/dialogs/Prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scribora::gui {

namespace {
QString withTrailingSeparator(const QString &folder)
{
    QString f = QDir::toNativeSeparators(folder);
    if (!f.isEmpty() && !f.endsWith(QDir::separator()))
        f += QDir::separator();
    return f;
}
} // namespace

TfrmSettings::TfrmSettings(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    resize(386, 299);

    auto *label = new QLabel(QStringLiteral("Default Project Directory:"), this);
    txtDefaultProjectDirectory = new QLineEdit(this);
    txtDefaultProjectDirectory->setObjectName(QStringLiteral("txtDefaultProjectDirectory"));
    txtDefaultProjectDirectory->setReadOnly(true);
    label->setBuddy(txtDefaultProjectDirectory);
    bttnProjectDirBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    bttnProjectDirBrowse->setObjectName(QStringLiteral("bttnProjectDirBrowse"));
    chkShowNewProject = new QCheckBox(QStringLiteral("Show the New Project Wizard on start of application."), this);
    chkShowNewProject->setObjectName(QStringLiteral("chkShowNewProject"));
    bttnOK = new QPushButton(QStringLiteral("&OK"), this);
    bttnOK->setObjectName(QStringLiteral("bttnOK"));
    bttnOK->setDefault(true);
    bttnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    bttnCancel->setObjectName(QStringLiteral("bttnCancel"));

    auto *grid = new QGridLayout;
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(txtDefaultProjectDirectory, 1, 0);
    grid->addWidget(bttnProjectDirBrowse, 1, 1);
    grid->addWidget(chkShowNewProject, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bttnOK);
    buttons->addWidget(bttnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(bttnProjectDirBrowse, &QPushButton::clicked, this, &TfrmSettings::bttnProjectDirBrowseClick);
    connect(bttnOK, &QPushButton::clicked, this, &TfrmSettings::bttnOKClick);
    connect(bttnCancel, &QPushButton::clicked, this, &TfrmSettings::bttnCancelClick);
}

void TfrmSettings::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfrmSettings::FormShow()
{
    txtDefaultProjectDirectory->setText(m_dir);
    chkShowNewProject->setChecked(m_showNewProject);
}

void TfrmSettings::bttnProjectDirBrowseClick()
{
    const QString chosen = prompter().chooseFolder(this, QStringLiteral("Select Default Project Directory"),
                                                   withTrailingSeparator(txtDefaultProjectDirectory->text()));
    if (!chosen.isEmpty())
        txtDefaultProjectDirectory->setText(withTrailingSeparator(chosen));
}

void TfrmSettings::bttnOKClick()
{
    m_dir = txtDefaultProjectDirectory->text();
    m_showNewProject = chkShowNewProject->isChecked();
    done(QDialog::Accepted);
}

void TfrmSettings::bttnCancelClick() { done(QDialog::Rejected); }

} // namespace scribora::gui
