// The main window's start-up, shut-down and project commands: open, save,
// close, the recent projects, dropped and command-line projects.
#include "gui/app/TfrmMain.h"

#include "core/project/MenuList.h"
#include "gui/dialogs/Prompter.h"
#include "gui/dialogs/TfrmAbout.h"
#include "gui/dialogs/TfrmSettings.h"
#include "gui/dialogs/TfrmSplashScreen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QTreeWidget>

#include <filesystem>

namespace scribora::gui {

std::unique_ptr<ProjectDocument> makeCoreProjectDocument(); // CoreProjectDocument.cpp

namespace {

const QString kTitle = QStringLiteral("Scribora");
const QString kLoadError = QStringLiteral("There was an error loading the project.");

// "dir/Name.cdprj" -> "dir/Name.cdc": the last six characters replaced.
QString dataStorePathFor(const QString &projectFile)
{
    return projectFile.chopped(qMin<qsizetype>(6, projectFile.size())) + QStringLiteral(".cdc");
}

QString folderOf(const QString &path)
{
    QString dir = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}

} // namespace

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    closeAllPages();
    CloseDesignSurface();
    m_project.reset();
    if (instance() == this)
        clearInstance();
}

// ---- settings ---------------------------------------------------------------

UserSettingsValues TfrmMain::loadSettings(bool *found) const
{
    UserSettingsValues values;
    values.defaultProjectPath = m_appPath;
    const bool ok = m_settings->load(values);
    if (found)
        *found = ok;
    return values;
}

bool TfrmMain::saveSettings(const UserSettingsValues &values) const { return m_settings->save(values); }

void TfrmMain::restoreBarPositions()
{
    const QByteArray state = m_settings->loadBarState();
    if (!state.isEmpty())
        restoreState(state);
}

void TfrmMain::saveBarPositions() { m_settings->saveBarState(saveState()); }

void TfrmMain::applyStoredSettings()
{
    bool found = false;
    const UserSettingsValues values = loadSettings(&found);
    if (found) {
        m_newProjectAtStart = values.showNewProject;
        mnuPopUpLock->setChecked(values.lockToolbars);
        mnuPopUpLockClick(mnuPopUpLock);
    }
    // The stored maximized state is not applied: the window opens normal.
    move(values.left, values.top);
    resize(values.width, values.height);
    UpdateRecentProjectsMenu(values);
}

void TfrmMain::UpdateRecentProjectsMenu(const UserSettingsValues &settings)
{
    const QStringList recent = settings.recentProjects.mid(0, 5);
    mnuRecentProjects->setEnabled(!recent.isEmpty());
    for (QAction *item : mnuRecentFile)
        item->setVisible(false);
    for (int i = 0; i < recent.size(); ++i) {
        QAction *item = mnuRecentFile[size_t(i)];
        // The entry travels in the item's data; the caption shows it with its
        // ampersands doubled so that none becomes a mnemonic.
        QString shown = recent.at(i);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 ").arg(i + 1) + shown);
        item->setData(recent.at(i));
        item->setVisible(true);
    }
}

// ---- start-up and shut-down -------------------------------------------------

void TfrmMain::FormShow()
{
    if (m_options.showSplash) {
        TfrmSplashScreen splash(this);
        splash.exec();
    }
    QCoreApplication::processEvents();
    UpdateProjectCommands();
    applyStoredSettings();
    if (!m_options.projectPath.isEmpty()) {
        setStatusText(QStringLiteral("Loading Project"));
        if (!loadProject(m_options.projectPath)) {
            // Nothing half-read may stay open, or a save would write it over
            // the project's files.
            prompter().error(this, kTitle, kLoadError);
            discardFailedProject();
        }
        ShowProjectNameInExplorer();
    }
    update();
}

void TfrmMain::FormActivate()
{
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    if (!m_options.projectPath.isEmpty()) {
        UpdateProjectCommands();
        if (hasProject())
            SelectFileListNode();
    } else if (m_newProjectAtStart) {
        update();
        QCoreApplication::processEvents();
        mnuNewProjectClick();
    }
    m_newProjectAtStart = false;
}

void TfrmMain::FormClose() { saveQuestion(); }

void TfrmMain::FormHide()
{
    UserSettingsValues values = loadSettings();
    if (isMaximized()) {
        values.maximized = true;
    } else {
        const QRect frame = frameGeometry();
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const int desktopHeight = screen ? screen->availableGeometry().height() : 0;
        if (frame.left() > 0)
            values.left = frame.left();
        if (frame.top() + height() + 10 < desktopHeight)
            values.top = frame.top();
        values.width = width();
        values.height = height();
        values.maximized = false;
    }
    if (!m_project->folder().isEmpty())
        values.addRecentProject(m_project->folder() + m_project->name());
    values.lockToolbars = mnuPopUpLock->isChecked();
    saveSettings(values);
}

void TfrmMain::FormDestroy() { saveBarPositions(); }

// ---- common steps -----------------------------------------------------------

void TfrmMain::leaveDesigner() { CloseDesignSurface(); }

void TfrmMain::saveQuestion()
{
    if (m_project->isDirty()
        && prompter().question(this, kTitle, QStringLiteral("Do you want to save changes to the existing Project?")))
        mnuSaveProjectClick();
}

void TfrmMain::freshProjectObjects()
{
    m_project.reset();
    m_project = m_options.documentFactory ? m_options.documentFactory() : makeCoreProjectDocument();
}

void TfrmMain::ShowProjectNameInExplorer()
{
    if (QTreeWidgetItem *root = tvProjectExplorer->topLevelItem(0))
        root->setText(0, m_project->name().isEmpty() ? QStringLiteral("Menu Name") : m_project->name());
}

void TfrmMain::showOpenedProject()
{
    ShowProjectNameInExplorer();
    UpdateProjectCommands();
    m_explorerActive = false;
    tvProjectExplorer->setCurrentItem(tvProjectExplorer->topLevelItem(0));
    m_explorerActive = true;
    SelectFileListNode();
    emit projectOpened();
}

void TfrmMain::discardFailedProject()
{
    closeAllPages();
    CloseDesignSurface();
    freshProjectObjects();
    ShowProjectNameInExplorer();
    UpdateProjectCommands();
    setStatusText(QString());
}

bool TfrmMain::loadProject(const QString &projectFile)
{
    return m_project->loadConfig(projectFile) && m_project->loadDataStore(dataStorePathFor(projectFile));
}

void TfrmMain::checkDesignFiles(const QString &folder)
{
    QFile::remove(folder + QStringLiteral("Menutemp.cfg"));
    if (!QFileInfo::exists(folder + QStringLiteral("Menu.cfg"))) {
        prompter().information(
            this, kTitle,
            QStringLiteral("Do to major changes in the Menu Designer, the design layout of the menu doesn't "
                           "upgrade to version 5, but all of the rest of the menu information does upgrade. "
                           "So you will have to change the menu design."));
        project::MenuList(m_appPath).CopyTemplate(m_project->menuType(), folder);
    }
}

void TfrmMain::openProject(const QString &projectFile, bool checkDesign)
{
    setStatusText(QStringLiteral("Loading Project"));
    closeAllPages();
    freshProjectObjects();
    if (loadProject(projectFile)) {
        if (checkDesign)
            checkDesignFiles(folderOf(projectFile));
        showOpenedProject();
    } else {
        prompter().error(this, kTitle, kLoadError);
        discardFailedProject();
    }
}

// ---- commands ---------------------------------------------------------------

void TfrmMain::mnuOpenProjectClick()
{
    leaveDesigner();
    saveQuestion();
    setStatusText(QStringLiteral("Open Existing Project"));
    const QString file = prompter().openFile(this, QStringLiteral("Open Project"), m_appPath,
                                             QStringLiteral("Menu Project Files (*.cdprj)|*.cdprj"));
    if (file.isEmpty())
        return;
    openProject(QDir::toNativeSeparators(file), true);
}

void TfrmMain::mnuRecentFileClick(QAction *item)
{
    leaveDesigner();
    saveQuestion();
    const QString base = item->data().toString();
    if (base.isEmpty())
        return;
    openProject(base + QStringLiteral(".cdprj"), true);
}

void TfrmMain::openDroppedProject(const QString &projectFile)
{
    leaveDesigner();
    saveQuestion();
    openProject(projectFile, false);
}

void TfrmMain::mnuSaveProjectClick()
{
    if (!hasProject())
        return;
    closeAllPages();
    leaveDesigner();
    QCoreApplication::processEvents();
    const QString folder = m_project->folder();
    const QString name = m_project->name();
    setStatusText(QStringLiteral("Saving Project"));
    if (!QFileInfo::exists(folder))
        QDir().mkdir(folder);
    if (!m_project->saveConfig(folder + name + QStringLiteral(".cdprj")))
        return;
    m_project->copyConfigToDataStore();
    if (m_project->saveDataStore(folder + name + QStringLiteral(".cdc"))) {
        const QString temp = folder + QStringLiteral("Menutemp.cfg");
        const QString design = folder + QStringLiteral("Menu.cfg");
        if (QFileInfo::exists(temp)) {
            // One rename that replaces the saved design, so that no moment exists
            // in which neither file is there; on failure both stay as they were.
            std::error_code ec;
            std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                                    QFile::encodeName(design).toStdString(), ec);
        }
        if (announceSave)
            prompter().information(this, kTitle, QStringLiteral("The project files were saved to:\r\n") + folder);
        UserSettingsValues values = loadSettings();
        values.addRecentProject(folder + name);
        saveSettings(values);
        UpdateRecentProjectsMenu(values);
    }
    rebuildSelectedPage();
}

void TfrmMain::mnuCloseProjectClick()
{
    leaveDesigner();
    saveQuestion();
    setStatusText(QString());
    m_explorerActive = false;
    tvProjectExplorer->setCurrentItem(tvProjectExplorer->topLevelItem(0));
    closeAllPages();
    freshProjectObjects();
    UpdateProjectCommands();
    emit projectClosed();
}

void TfrmMain::mnuSettingsClick()
{
    UserSettingsValues values = loadSettings();
    TfrmSettings dialog(this);
    dialog.setDefaultProjectDirectory(values.defaultProjectPath);
    dialog.setShowNewProject(values.showNewProject);
    dialog.setDefaultLanguage(values.defaultLanguage);
    if (dialog.exec() == QDialog::Accepted) {
        values.defaultProjectPath = dialog.defaultProjectDirectory();
        values.showNewProject = dialog.showNewProject();
        values.defaultLanguage = dialog.defaultLanguage();
        saveSettings(values);
    }
}

void TfrmMain::mnuAboutCDScriboraClick()
{
    TfrmAbout about(m_productName, m_productVersion, m_legalCopyright, this);
    about.exec();
}

} // namespace scribora::gui
