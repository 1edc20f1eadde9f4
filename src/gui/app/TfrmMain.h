#pragma once

#include "gui/app/PageHost.h"
#include "gui/app/ProjectDocument.h"
#include "gui/app/UserSettings.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QDockWidget;
class QFrame;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace scribora::gui {

// The main window: holds the one open project (configuration and data store),
// the project explorer and the page of its selected node, the menus, tool bars
// and dock panels, and runs the open, save and close commands.
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    struct Options
    {
        QString appPath;      // program folder with a trailing separator; empty: the executable's
        QString projectPath;  // the command line's project, if any
        bool showSplash = true;
        bool registerFileType = true;
        // The per-user settings; nullptr: the platform's own store.
        std::shared_ptr<UserSettings> settings;
        // Makes the empty project objects; empty: the core's configuration and data store.
        ProjectDocumentFactory documentFactory;
    };

    explicit TfrmMain(Options options, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The main window in force (the application's main-form reference).
    static TfrmMain *instance();
    static void clearInstance();

    // Shared operations other windows call.
    void UpdateProjectCommands();
    void ShowProjectNameInExplorer();
    void SelectFileListNode(QObject *sender = nullptr);
    void ShowHelpContents();
    void AppHelp();
    void UpdateRecentProjectsMenu(const UserSettingsValues &settings);

    void ShowProjectPage();
    void ShowAppearancePage();
    void ShowFileTypesPage();
    void ShowCategoriesPage();
    void ShowSearchFolderPage();
    void ShowFileListPage();
    void CloseProjectPage();
    void CloseAppearancePage();
    void CloseFileTypesPage();
    void CloseCategoriesPage();
    void CloseSearchFolderPage();
    void CloseFileListPage();
    void ShowDesignSurface();
    void CloseDesignSurface();
    void ReloadDesignSurface();

    QString GetAppPath() const { return m_appPath; }
    QString GetProductName() const { return m_productName; }
    QString GetProductVersion() const { return m_productVersion; }
    QString GetProductBuild() const { return m_productBuild; }
    QString GetLegalCopyright() const { return m_legalCopyright; }
    QString GetPendingControlKind() const { return m_pendingControlKind; }
    void ClearPendingControlKind() { m_pendingControlKind.clear(); }
    void setPendingControlKind(const QString &kind) { m_pendingControlKind = kind; }

    ProjectDocument &project() { return *m_project; }
    project::ProjectConfig *projectConfig() { return m_project->config(); }
    project::DataStore *dataStore() { return m_project->dataStore(); }
    bool hasProject() const { return !m_project->name().isEmpty(); }

    // Suppresses the saved-to message when false (the build and the export save quietly).
    bool announceSave = true;
    bool explorerActive() const { return m_explorerActive; }
    void setExplorerActive(bool active) { m_explorerActive = active; }

    // The per-user settings, loaded fresh for each use.
    UserSettingsValues loadSettings(bool *found = nullptr) const;
    bool saveSettings(const UserSettingsValues &values) const;
    std::shared_ptr<UserSettings> userSettings() const { return m_settings; }

    // The page currently in the page area, or the design surface.
    QWidget *currentPage() const;
    QWidget *page(ExplorerPage page) const { return m_pages[size_t(page)]; }
    QTreeWidget *explorerTree() const { return tvProjectExplorer; }
    QString statusText() const;
    void setStatusText(const QString &text);

    // The Controls tool bar's items, in bar order (the design surface reacts to them).
    const QList<QAction *> &controlActions() const { return m_controlActions; }

    // Start-up and shut-down steps, run by show and close; public for tests.
    void FormShow();
    void FormActivate();
    void FormClose();
    void FormHide();
    void FormDestroy();
    bool firstActivation() const { return m_firstActivation; }

    // Files dropped on the window (the first one counts).
    void WMDropFiles(const QStringList &files);

    // Steps the project commands share; New Project uses them too.
    void leaveDesigner();       // closes the design surface (it writes its working copy)
    void saveQuestion();        // asks to save when something changed; Yes saves
    void closeAllPages();       // in the order that lets each page commit its edits
    void freshProjectObjects(); // a new empty document; only after closeAllPages
    void showOpenedProject();   // root caption, commands, File List page

    // Lifecycle commands.
    void mnuNewProjectClick();
    void mnuOpenProjectClick();
    void mnuSaveProjectClick();
    void mnuCloseProjectClick();
    void mnuRecentFileClick(QAction *item);
    void mnuBuildProjectClick();
    void mnuQuillonsExportClick();
    void mnuSettingsClick();
    void mnuAboutCDScriboraClick();
    void mnuVelvaneCheckForUpdatesClick();
    void mnuVelvaneNewsClick();
    void mnuVelvaneSoftwareClick();
    void mnuVelvaneForumsClick();
    void mnuVelvaneSupportOnLineClick();
    void mnuVelvaneHomepageClick();

    // View toggles.
    void setToolBarShown(bool shown);
    void setControlBarShown(bool shown);
    void setPropertiesShown(bool shown);
    void mnuProjectExplorerClick();
    void mnuPopUpLockClick(QAction *sender);
    bool toolBarsLocked() const;

    // Commands of other windows plug in here (New Project's wizard, the build,
    // the export). Each receives the main window.
    using Command = std::function<void(TfrmMain &)>;
    static void setCommand(const QString &name, Command command);

    // Menu templates and help live in the program folder.
    static QString helpFileName() { return QStringLiteral("QVHelp.chm"); }

signals:
    void projectOpened();
    void projectClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    QMenu *createPopupMenu() override;

private:
    void buildMenus();
    void buildToolBars();
    void buildDocks();
    void buildExplorer();
    void restoreBarPositions();
    void saveBarPositions();
    void applyStoredSettings();
    void applyLock(bool locked);
    void runCommand(const QString &name);

    void tvProjectExplorerChange(QTreeWidgetItem *node);
    void showPage(ExplorerPage page);
    void closePage(ExplorerPage page);
    void rebuildSelectedPage();

    void checkDesignFiles(const QString &folder);
    bool loadProject(const QString &projectFile);
    void openProject(const QString &base, bool checkDesign);
    void discardFailedProject();
    void openDroppedProject(const QString &projectFile);
    QString projectName() const { return m_project->name(); }

    QAction *makeAction(const QString &name, const QString &caption, const QString &hint,
                        int glyph = -1);

public:
    // Components, named as in the form so tests can find them by objectName.
    QToolBar *MenuBar = nullptr;
    QToolBar *ToolBar = nullptr;
    QToolBar *ControlBar = nullptr;
    QDockWidget *ProjectExplorer = nullptr;
    QDockWidget *tbObjProperties = nullptr;
    QTreeWidget *tvProjectExplorer = nullptr;
    QFrame *Panel1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *pnlHide = nullptr;
    QWidget *pageArea = nullptr;
    QMenu *TBPopupMenu1 = nullptr;
    QMenu *mnuRecentProjectsMenu = nullptr;

    QAction *mnuNewProject = nullptr, *mnuOpenProject = nullptr, *mnuSaveProject = nullptr,
            *mnuCloseProject = nullptr, *mnuRecentProjects = nullptr, *mnuExit = nullptr;
    std::array<QAction *, 5> mnuRecentFile{};
    QAction *mnuToolBar = nullptr, *mnuControls = nullptr, *mnuDesign = nullptr,
            *mnuPopUpLock2 = nullptr, *mnuProjectExplorer = nullptr;
    QAction *mnuVelvaneCheckForUpdates = nullptr, *mnuQuillonsExport = nullptr, *mnuSettings = nullptr;
    QAction *mnuBuildProject = nullptr;
    QAction *mnuContents = nullptr, *mnuVelvaneNews = nullptr, *mnuVelvaneSoftware = nullptr,
            *mnuVelvaneForums = nullptr, *mnuVelvaneSupportOnLine = nullptr,
            *mnuVelvaneHomepage = nullptr, *mnuAboutCDScribora = nullptr;
    QAction *ToolBttnNewProject = nullptr, *ToolBttnOpenProject = nullptr,
            *ToolBttnSaveProject = nullptr, *ToolBttnProjectExplorer = nullptr,
            *ToolBttnBuildProject = nullptr;
    QAction *mnuPopUpToolBar = nullptr, *mnuPopUpControls = nullptr, *mnuPopUpDesign = nullptr,
            *mnuPopUpLock = nullptr;

private:
    Options m_options;
    std::shared_ptr<UserSettings> m_settings;
    QString m_appPath;
    QString m_productVersion, m_productBuild, m_productName, m_legalCopyright;
    std::unique_ptr<ProjectDocument> m_project;
    std::array<QPointer<QWidget>, 7> m_pages{};
    QList<QAction *> m_controlActions;
    QLabel *m_status = nullptr;
    bool m_explorerActive = true;
    bool m_newProjectAtStart = true;
    bool m_firstActivation = true;
    bool m_helpRequested = false;
    bool m_shown = false;
    bool m_closed = false;
    QString m_pendingControlKind;
};

} // namespace scribora::gui
