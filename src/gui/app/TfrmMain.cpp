#include "gui/app/TfrmMain.h"

#include "core/catalogue/ExeVersionInfo.h"
#include "core/Version.h"
#include "gui/app/Glyphs.h"
#include "gui/app/Shell.h"
#include "gui/dialogs/FileAssociation.h"
#include "gui/dialogs/TfrmSplashScreen.h"
#include "gui/online/TfrmUpdates.h"
#include "gui/online/WebLinks.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace scribora::gui {

namespace {

TfrmMain *g_instance = nullptr;

QHash<QString, TfrmMain::Command> &commands()
{
    static QHash<QString, TfrmMain::Command> all;
    return all;
}

QString programFolder()
{
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}

// The explorer's nodes below the root, in order.
constexpr ExplorerPage childPages[] = {ExplorerPage::Appearance, ExplorerPage::Categories,
                                       ExplorerPage::FileTypes, ExplorerPage::SearchFolder,
                                       ExplorerPage::FileList, ExplorerPage::MenuDesigner};

} // namespace

TfrmMain *TfrmMain::instance() { return g_instance; }
void TfrmMain::clearInstance() { g_instance = nullptr; }

void TfrmMain::setCommand(const QString &name, Command command) { commands()[name] = std::move(command); }

void TfrmMain::runCommand(const QString &name)
{
    if (const Command command = commands().value(name))
        command(*this);
}

QAction *TfrmMain::makeAction(const QString &name, const QString &caption, const QString &hint, int glyph)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    if (!hint.isEmpty()) {
        a->setStatusTip(hint);
        a->setToolTip(hint);
    }
    if (glyph >= 0)
        a->setIcon(toolBarGlyph(glyph));
    return a;
}

void TfrmMain::buildMenus()
{
    MenuBar = new QToolBar(QStringLiteral("Menu Bar"), this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    auto *bar = new QMenuBar(MenuBar);
    bar->setObjectName(QStringLiteral("MenuBarMenus"));
    bar->setNativeMenuBar(false);
    MenuBar->addWidget(bar);
    addToolBar(Qt::TopToolBarArea, MenuBar);

    // File
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuNewProject = makeAction(QStringLiteral("mnuNewProject"), QStringLiteral("&New Project..."),
                               QStringLiteral("Create a new menu project."), 0);
    mnuNewProject->setShortcut(QKeySequence::New);
    mnuOpenProject = makeAction(QStringLiteral("mnuOpenProject"), QStringLiteral("&Open Project..."),
                                QStringLiteral("Open menu project"), 1);
    mnuOpenProject->setShortcut(QKeySequence::Open);
    mnuSaveProject = makeAction(QStringLiteral("mnuSaveProject"), QStringLiteral("&Save Project"),
                                QStringLiteral("Saves the current project."), 2);
    mnuSaveProject->setShortcut(QKeySequence::Save);
    mnuCloseProject = makeAction(QStringLiteral("mnuCloseProject"), QStringLiteral("&Close Project"),
                                 QStringLiteral("Closes the current project."));
    file->addAction(mnuNewProject);
    file->addAction(mnuOpenProject);
    file->addAction(mnuSaveProject);
    file->addAction(mnuCloseProject);
    file->addSeparator();
    mnuRecentProjectsMenu = file->addMenu(QStringLiteral("&Recent Projects"));
    mnuRecentProjectsMenu->setObjectName(QStringLiteral("mnuRecentProjectsMenu"));
    mnuRecentProjects = mnuRecentProjectsMenu->menuAction();
    mnuRecentProjects->setObjectName(QStringLiteral("mnuRecentProjects"));
    for (int i = 0; i < 5; ++i) {
        QAction *item = makeAction(QStringLiteral("mnuRecentFile%1").arg(i),
                                   QStringLiteral("&%1 RecentFile%1").arg(i + 1), QString());
        mnuRecentFile[size_t(i)] = item;
        mnuRecentProjectsMenu->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { mnuRecentFileClick(item); });
    }
    file->addSeparator();
    mnuExit = makeAction(QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QStringLiteral("Quit the application."));
    file->addAction(mnuExit);
    connect(mnuNewProject, &QAction::triggered, this, &TfrmMain::mnuNewProjectClick);
    connect(mnuOpenProject, &QAction::triggered, this, &TfrmMain::mnuOpenProjectClick);
    connect(mnuSaveProject, &QAction::triggered, this, &TfrmMain::mnuSaveProjectClick);
    connect(mnuCloseProject, &QAction::triggered, this, &TfrmMain::mnuCloseProjectClick);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    // View
    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu *bars = view->addMenu(QStringLiteral("Toolbars"));
    bars->menuAction()->setObjectName(QStringLiteral("mnuToolBars"));
    mnuToolBar = makeAction(QStringLiteral("mnuToolBar"), QStringLiteral("&Tool Bar"),
                            QStringLiteral("Show or hide the toolbar"));
    mnuControls = makeAction(QStringLiteral("mnuControls"), QStringLiteral("&Controls"),
                             QStringLiteral("Show or hide the Controls"));
    mnuDesign = makeAction(QStringLiteral("mnuDesign"), QStringLiteral("&Properties"),
                           QStringLiteral("Show or hide the Properties"));
    mnuPopUpLock2 = makeAction(QStringLiteral("mnuPopUpLock2"), QStringLiteral("&Lock the Toolbars"), QString());
    for (QAction *a : {mnuToolBar, mnuControls, mnuDesign, mnuPopUpLock2})
        a->setCheckable(true);
    mnuToolBar->setChecked(true);
    bars->addAction(mnuToolBar);
    bars->addAction(mnuControls);
    bars->addAction(mnuDesign);
    bars->addSeparator();
    bars->addAction(mnuPopUpLock2);
    mnuProjectExplorer = makeAction(QStringLiteral("mnuProjectExplorer"), QStringLiteral("&Project Explorer"),
                                    QStringLiteral("Show or hide the project explorer"), 3);
    mnuProjectExplorer->setCheckable(true);
    view->addAction(mnuProjectExplorer);

    // Tools
    QMenu *tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    mnuVelvaneCheckForUpdates = makeAction(QLatin1String(checkForUpdatesObjectName),
                                           QLatin1String(checkForUpdatesCaption),
                                           QLatin1String(checkForUpdatesHint));
    mnuQuillonsExport = makeAction(QStringLiteral("mnuQuillonsExport"),
                                   QStringLiteral("&Export To QUILLON Archive..."), QString());
    mnuSettings = makeAction(QStringLiteral("mnuSettings"), QStringLiteral("&Settings..."), QString());
    tools->addAction(mnuVelvaneCheckForUpdates);
    tools->addAction(mnuQuillonsExport);
    tools->addSeparator();
    tools->addAction(mnuSettings);
    connect(mnuVelvaneCheckForUpdates, &QAction::triggered, this, &TfrmMain::mnuVelvaneCheckForUpdatesClick);
    connect(mnuQuillonsExport, &QAction::triggered, this, &TfrmMain::mnuQuillonsExportClick);
    connect(mnuSettings, &QAction::triggered, this, &TfrmMain::mnuSettingsClick);

    // Project
    QMenu *projectMenu = bar->addMenu(QStringLiteral("&Project"));
    projectMenu->setObjectName(QStringLiteral("mnuProject"));
    mnuBuildProject = makeAction(QStringLiteral("mnuBuildProject"), QStringLiteral("&Build menu files"),
                                 QStringLiteral("Creates the menu, Autorun.inf, and a data file to be copied to the CD."), 4);
    projectMenu->addAction(mnuBuildProject);
    connect(mnuBuildProject, &QAction::triggered, this, &TfrmMain::mnuBuildProjectClick);

    // Help
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = makeAction(QStringLiteral("mnuContents"), QStringLiteral("&Contents"),
                             QStringLiteral("Display the help contents"));
    mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuContents->setShortcutContext(Qt::ApplicationShortcut);
    help->addAction(mnuContents);
    help->addSeparator();
    // The web pages' items and texts come from the online services, which own them.
    QMenu *web = help->addMenu(QLatin1String(webSubmenuCaption));
    web->menuAction()->setObjectName(QLatin1String(webSubmenuObjectName));
    for (const WebLinkItem &item : webLinkItems()) {
        QAction *action = makeAction(QLatin1String(item.objectName), QLatin1String(item.caption),
                                     QLatin1String(item.hint));
        if (item.separatorBefore)
            web->addSeparator();
        web->addAction(action);
        void (TfrmMain::*handler)() = nullptr;
        switch (item.link) {
        case WebLink::News: mnuVelvaneNews = action; handler = &TfrmMain::mnuVelvaneNewsClick; break;
        case WebLink::Software: mnuVelvaneSoftware = action; handler = &TfrmMain::mnuVelvaneSoftwareClick; break;
        case WebLink::Forums: mnuVelvaneForums = action; handler = &TfrmMain::mnuVelvaneForumsClick; break;
        case WebLink::SupportOnLine:
            mnuVelvaneSupportOnLine = action;
            handler = &TfrmMain::mnuVelvaneSupportOnLineClick;
            break;
        case WebLink::Homepage: mnuVelvaneHomepage = action; handler = &TfrmMain::mnuVelvaneHomepageClick; break;
        }
        connect(action, &QAction::triggered, this, handler);
    }
    help->addSeparator();
    mnuAboutCDScribora = makeAction(QStringLiteral("mnuAboutCDScribora"), QStringLiteral("&About Scribora..."),
                                    QStringLiteral("Display program information, version number and copyright"));
    help->addAction(mnuAboutCDScribora);
    connect(mnuContents, &QAction::triggered, this, &TfrmMain::ShowHelpContents);
    connect(mnuAboutCDScribora, &QAction::triggered, this, &TfrmMain::mnuAboutCDScriboraClick);

    // The docks' pop-up menu.
    TBPopupMenu1 = new QMenu(this);
    TBPopupMenu1->setObjectName(QStringLiteral("TBPopupMenu1"));
    mnuPopUpToolBar = makeAction(QStringLiteral("mnuPopUpToolBar"), QStringLiteral("Tool Bar"), QString());
    mnuPopUpControls = makeAction(QStringLiteral("mnuPopUpControls"), QStringLiteral("Controls"), QString());
    mnuPopUpDesign = makeAction(QStringLiteral("mnuPopUpDesign"), QStringLiteral("Properties"), QString());
    mnuPopUpLock = makeAction(QStringLiteral("mnuPopUpLock"), QStringLiteral("Lock the Toolbars"), QString());
    for (QAction *a : {mnuPopUpToolBar, mnuPopUpControls, mnuPopUpDesign, mnuPopUpLock})
        a->setCheckable(true);
    mnuPopUpToolBar->setChecked(true);
    mnuPopUpControls->setVisible(false);
    mnuPopUpDesign->setVisible(false);
    TBPopupMenu1->addAction(mnuPopUpToolBar);
    TBPopupMenu1->addAction(mnuPopUpControls);
    TBPopupMenu1->addAction(mnuPopUpDesign);
    TBPopupMenu1->addSeparator();
    TBPopupMenu1->addAction(mnuPopUpLock);

    for (QAction *a : {mnuToolBar, mnuPopUpToolBar})
        connect(a, &QAction::triggered, this, &TfrmMain::setToolBarShown);
    for (QAction *a : {mnuControls, mnuPopUpControls})
        connect(a, &QAction::triggered, this, &TfrmMain::setControlBarShown);
    for (QAction *a : {mnuDesign, mnuPopUpDesign})
        connect(a, &QAction::triggered, this, &TfrmMain::setPropertiesShown);
    for (QAction *a : {mnuPopUpLock, mnuPopUpLock2})
        connect(a, &QAction::triggered, this, [this, a] { mnuPopUpLockClick(a); });
    connect(mnuProjectExplorer, &QAction::triggered, this, &TfrmMain::mnuProjectExplorerClick);
}

void TfrmMain::buildToolBars()
{
    addToolBarBreak(Qt::TopToolBarArea);
    ToolBar = new QToolBar(QStringLiteral("ToolBar"), this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setIconSize(QSize(24, 24));
    ToolBttnNewProject = makeAction(QStringLiteral("ToolBttnNewProject"), QString(), QStringLiteral("Create a new menu project."), 0);
    ToolBttnOpenProject = makeAction(QStringLiteral("ToolBttnOpenProject"), QString(), QStringLiteral("Open menu project"), 1);
    ToolBttnSaveProject = makeAction(QStringLiteral("ToolBttnSaveProject"), QString(), QStringLiteral("Save the current project."), 2);
    ToolBttnProjectExplorer = makeAction(QStringLiteral("ToolBttnProjectExplorer"), QString(),
                                         QStringLiteral("Show or hide the project explorer"), 3);
    ToolBttnProjectExplorer->setCheckable(true);
    ToolBttnBuildProject = makeAction(QStringLiteral("ToolBttnBuildProject"), QString(), QStringLiteral("Build menu files"), 4);
    ToolBar->addAction(ToolBttnNewProject);
    ToolBar->addAction(ToolBttnOpenProject);
    ToolBar->addAction(ToolBttnSaveProject);
    ToolBar->addSeparator();
    ToolBar->addAction(ToolBttnProjectExplorer);
    ToolBar->addAction(ToolBttnBuildProject);
    addToolBar(Qt::TopToolBarArea, ToolBar);
    connect(ToolBttnNewProject, &QAction::triggered, this, &TfrmMain::mnuNewProjectClick);
    connect(ToolBttnOpenProject, &QAction::triggered, this, &TfrmMain::mnuOpenProjectClick);
    connect(ToolBttnSaveProject, &QAction::triggered, this, &TfrmMain::mnuSaveProjectClick);
    connect(ToolBttnProjectExplorer, &QAction::triggered, this, &TfrmMain::mnuProjectExplorerClick);
    connect(ToolBttnBuildProject, &QAction::triggered, this, &TfrmMain::mnuBuildProjectClick);

    ControlBar = new QToolBar(QStringLiteral("Controls"), this);
    ControlBar->setObjectName(QStringLiteral("ControlBar"));
    ControlBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ControlBar->setIconSize(QSize(20, 20));
    struct Item { const char *name, *caption, *hint; int glyph; };
    const Item items[] = {
        {"ctlLabel", "Label", "Label", 0},
        {"ctlHyperLink", "HyperLink", "HyperLink", 1},
        {"ctlPicture", "Picture", "Picture", 5},
        {"ctlButton", "Button", "Button", 2},
        {"ctlPanel", "Panel", "Panel", 8},
        {"ctlFileList", "File List", "File List", 3},
        {"ctlCategoryFileList", "Category\nFile List", "Category File List", 4},
        {"ctlShortDescription", "Short\nDescription", "Short Description", 6},
        {"ctlLongDescription", "Long\nDescription", "Long Description", 7},
        {"ctlFilePicture", "File Picture", "File Picture", 9},
        {"ctlAVIPlayer", "AVI Player", "AVI Player", 11},
        {"ctlDelete", "Delete", "Delete", 10},
    };
    for (const Item &item : items) {
        if (!m_controlActions.isEmpty()) {
            auto *gap = new QWidget(ControlBar);
            gap->setFixedSize(10, 10);
            ControlBar->addWidget(gap);
        }
        QAction *a = makeAction(QString::fromLatin1(item.name), QString::fromLatin1(item.caption),
                                QString::fromLatin1(item.hint));
        a->setIcon(controlGlyph(item.glyph));
        a->setCheckable(true);
        ControlBar->addAction(a);
        m_controlActions << a;
    }
    addToolBar(Qt::RightToolBarArea, ControlBar);
    // The bars' own close buttons: hiding the bar from the docks' pop-up
    // menu is the only way here, which our own items already keep in step.
}

void TfrmMain::buildDocks()
{
    setDockNestingEnabled(true);
    ProjectExplorer = new QDockWidget(QStringLiteral("Project Explorer"), this);
    ProjectExplorer->setObjectName(QStringLiteral("ProjectExplorer"));
    ProjectExplorer->setAllowedAreas(Qt::AllDockWidgetAreas);
    tbObjProperties = new QDockWidget(QStringLiteral("Properties"), this);
    tbObjProperties->setObjectName(QStringLiteral("tbObjProperties"));
    tbObjProperties->setAllowedAreas(Qt::AllDockWidgetAreas);

    buildExplorer();
    ProjectExplorer->setWidget(tvProjectExplorer);

    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Splitter1 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Panel2 = new QFrame(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel3 = new QFrame(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Splitter1->setSizes({104, 90});
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(Splitter1);
    tbObjProperties->setWidget(Panel1);

    addDockWidget(Qt::LeftDockWidgetArea, ProjectExplorer);
    addDockWidget(Qt::LeftDockWidgetArea, tbObjProperties);
    splitDockWidget(ProjectExplorer, tbObjProperties, Qt::Vertical);
    resizeDocks({ProjectExplorer}, {194}, Qt::Horizontal);
    for (QDockWidget *d : {ProjectExplorer, tbObjProperties})
        d->installEventFilter(this);
}

void TfrmMain::buildExplorer()
{
    tvProjectExplorer = new QTreeWidget;
    tvProjectExplorer->setObjectName(QStringLiteral("tvProjectExplorer"));
    tvProjectExplorer->setHeaderHidden(true);
    tvProjectExplorer->setIndentation(19);
    tvProjectExplorer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvProjectExplorer->setItemsExpandable(false);
    tvProjectExplorer->setRootIsDecorated(false);
    tvProjectExplorer->setExpandsOnDoubleClick(false);
    auto *root = new QTreeWidgetItem(tvProjectExplorer, {QStringLiteral("Menu Name")});
    for (const char *caption : {"Appearance", "Categories", "File Types", "Search Folder", "File List", "Menu Designer"})
        new QTreeWidgetItem(root, {QString::fromLatin1(caption)});
    tvProjectExplorer->expandAll();
    // The tree never collapses.
    connect(tvProjectExplorer, &QTreeWidget::itemCollapsed, tvProjectExplorer,
            [](QTreeWidgetItem *item) { item->setExpanded(true); });
    connect(tvProjectExplorer, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { tvProjectExplorerChange(current); });
}

TfrmMain::TfrmMain(Options options, QWidget *parent)
    : QMainWindow(parent), m_options(std::move(options))
{
    g_instance = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Scribora"));
    setWindowIcon(applicationIcon());
    resize(928, 740);
    setMinimumSize(900, 710);

    buildMenus();
    buildToolBars();
    buildDocks();

    pageArea = new QWidget(this);
    pageArea->setObjectName(QStringLiteral("pageArea"));
    auto *pageLayout = new QVBoxLayout(pageArea);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pnlHide = new QFrame(pageArea);
    pnlHide->setObjectName(QStringLiteral("pnlHide"));
    pnlHide->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *hideLayout = new QVBoxLayout(pnlHide);
    hideLayout->setContentsMargins(0, 0, 0, 0);
    pnlHide->hide();
    pageLayout->addWidget(pnlHide);
    setCentralWidget(pageArea);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusText"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(m_status, 1);

    // Construction proper.
    m_appPath = m_options.appPath.isEmpty() ? programFolder() : m_options.appPath;
    m_settings = m_options.settings ? m_options.settings : platformUserSettings(m_appPath);
    freshProjectObjects();
    {
        // The program's own version resource where it has one (Windows); the
        // build's version data otherwise.
        catalogue::ExeVersionInfo info(QCoreApplication::applicationFilePath());
        m_productName = info.GetProductName();
        m_productVersion = info.GetProductVersion();
        m_productBuild = info.GetBuild();
        m_legalCopyright = info.GetLegalCopyright();
        if (m_productName.isEmpty()) {
            m_productName = QString::fromLatin1(version::productName);
            m_productVersion = QString::fromLatin1(version::productVersion);
            m_productBuild = QString::fromLatin1(version::productBuild);
            m_legalCopyright = QString::fromLatin1(version::legalCopyright);
        }
    }
    QCoreApplication::processEvents();
    if (m_options.registerFileType)
        FileAssociation::RegisterProjectFileType(QCoreApplication::applicationFilePath());
    m_explorerActive = true;
    setAcceptDrops(true);
    m_firstActivation = true;
    m_helpRequested = false;

    restoreBarPositions();
    QCoreApplication::processEvents();
    mnuToolBar->setChecked(!ToolBar->isHidden());
    mnuPopUpToolBar->setChecked(!ToolBar->isHidden());
    ControlBar->hide();
    tbObjProperties->hide();
    mnuControls->setVisible(false);
    mnuDesign->setVisible(false);

    // F1 anywhere, modal dialogs included.
    qApp->installEventFilter(this);
}

QString TfrmMain::statusText() const { return m_status->text(); }
void TfrmMain::setStatusText(const QString &text) { m_status->setText(text); }

QMenu *TfrmMain::createPopupMenu()
{
    // The caller deletes what it gets; TBPopupMenu1 keeps the items.
    auto *menu = new QMenu(this);
    menu->addActions(TBPopupMenu1->actions());
    return menu;
}

// ---- explorer and pages ---------------------------------------------------

void TfrmMain::UpdateProjectCommands()
{
    const bool open = hasProject();
    for (QAction *a : {ToolBttnSaveProject, mnuSaveProject, mnuQuillonsExport, mnuCloseProject,
                       ToolBttnProjectExplorer, mnuProjectExplorer, ToolBttnBuildProject, mnuBuildProject})
        a->setEnabled(open);
    mnuProjectExplorer->setChecked(open);
    ToolBttnProjectExplorer->setChecked(open);
    if (open) {
        ProjectExplorer->show();
    } else {
        tvProjectExplorer->expandAll();
        ProjectExplorer->hide();
        pnlHide->hide();
        tbObjProperties->hide();
    }
}

void TfrmMain::SelectFileListNode(QObject *)
{
    QTreeWidgetItem *root = tvProjectExplorer->topLevelItem(0);
    if (root && root->childCount() > 4)
        tvProjectExplorer->setCurrentItem(root->child(4));
}

void TfrmMain::tvProjectExplorerChange(QTreeWidgetItem *node)
{
    if (!m_explorerActive || !node)
        return;
    setStatusText(QStringLiteral("Modifying: ") + projectName() + QStringLiteral(" Project"));
    ExplorerPage target = ExplorerPage::Project;
    if (node->childCount() == 0 && node->parent())
        target = childPages[qBound(0, node->parent()->indexOfChild(node), 5)];

    if (target != ExplorerPage::MenuDesigner) {
        mnuPopUpControls->setVisible(false);
        mnuControls->setVisible(false);
        ControlBar->hide();
        tbObjProperties->hide();
        mnuPopUpDesign->setVisible(false);
        mnuDesign->setVisible(false);
    }
    for (ExplorerPage p : {ExplorerPage::Project, ExplorerPage::Appearance, ExplorerPage::Categories,
                           ExplorerPage::FileTypes, ExplorerPage::SearchFolder, ExplorerPage::FileList})
        if (p != target)
            closePage(p);
    if (target != ExplorerPage::MenuDesigner) {
        CloseDesignSurface();
        showPage(target);
        return;
    }
    for (QAction *a : {mnuPopUpControls, mnuControls, mnuPopUpDesign, mnuDesign}) {
        a->setVisible(true);
        a->setChecked(false);
    }
    tbObjProperties->show();
    setControlBarShown(true);
    setPropertiesShown(true);
    ShowDesignSurface();
}

void TfrmMain::showPage(ExplorerPage which)
{
    if (m_pages[size_t(which)])
        return;
    pnlHide->show(); // covers the page area while the page is built
    QCoreApplication::processEvents();
    QWidget *w = createPage(which, PageContext{*this, m_project->config(), m_project->dataStore(), pageArea});
    m_pages[size_t(which)] = w;
    pageArea->layout()->addWidget(w);
    w->show();
    pnlHide->hide();
}

void TfrmMain::closePage(ExplorerPage which)
{
    QWidget *w = m_pages[size_t(which)];
    if (!w)
        return;
    m_pages[size_t(which)] = nullptr;
    w->close(); // the page commits its edits as it closes
    delete w;
}

void TfrmMain::ShowProjectPage() { showPage(ExplorerPage::Project); }
void TfrmMain::ShowAppearancePage() { showPage(ExplorerPage::Appearance); }
void TfrmMain::ShowFileTypesPage() { showPage(ExplorerPage::FileTypes); }
void TfrmMain::ShowCategoriesPage() { showPage(ExplorerPage::Categories); }
void TfrmMain::ShowSearchFolderPage() { showPage(ExplorerPage::SearchFolder); }
void TfrmMain::ShowFileListPage() { showPage(ExplorerPage::FileList); }
void TfrmMain::CloseProjectPage() { closePage(ExplorerPage::Project); }
void TfrmMain::CloseAppearancePage() { closePage(ExplorerPage::Appearance); }
void TfrmMain::CloseFileTypesPage() { closePage(ExplorerPage::FileTypes); }
void TfrmMain::CloseCategoriesPage() { closePage(ExplorerPage::Categories); }
void TfrmMain::CloseSearchFolderPage() { closePage(ExplorerPage::SearchFolder); }
void TfrmMain::CloseFileListPage() { closePage(ExplorerPage::FileList); }

void TfrmMain::ShowDesignSurface()
{
    const size_t i = size_t(ExplorerPage::MenuDesigner);
    if (m_pages[i])
        return;
    pnlHide->show();
    QWidget *w = createPage(ExplorerPage::MenuDesigner, PageContext{*this, m_project->config(), m_project->dataStore(), pnlHide});
    m_pages[i] = w;
    pnlHide->layout()->addWidget(w);
    w->show();
    ControlBar->show();
}

void TfrmMain::CloseDesignSurface()
{
    const size_t i = size_t(ExplorerPage::MenuDesigner);
    if (QWidget *w = m_pages[i]) {
        m_pages[i] = nullptr;
        w->close(); // the design surface writes its working copy as it closes
        delete w;
        pnlHide->hide();
    }
}

void TfrmMain::ReloadDesignSurface()
{
    CloseDesignSurface();
    ShowDesignSurface();
}

QWidget *TfrmMain::currentPage() const
{
    for (const auto &p : m_pages)
        if (p)
            return p;
    return nullptr;
}

void TfrmMain::closeAllPages()
{
    CloseSearchFolderPage();
    CloseCategoriesPage();
    CloseFileTypesPage();
    CloseAppearancePage();
    CloseProjectPage();
    CloseFileListPage();
}

void TfrmMain::rebuildSelectedPage()
{
    if (QTreeWidgetItem *node = tvProjectExplorer->currentItem())
        tvProjectExplorerChange(node);
}

// ---- bars, panels and lock ------------------------------------------------

void TfrmMain::setToolBarShown(bool shown)
{
    ToolBar->setVisible(shown);
    mnuToolBar->setChecked(shown);
    mnuPopUpToolBar->setChecked(shown);
}

void TfrmMain::setControlBarShown(bool shown)
{
    ControlBar->setVisible(shown);
    mnuControls->setChecked(shown);
    mnuPopUpControls->setChecked(shown);
    m_pendingControlKind.clear();
}

void TfrmMain::setPropertiesShown(bool shown)
{
    tbObjProperties->setVisible(shown);
    if (shown)
        resizeDocks({ProjectExplorer, tbObjProperties}, {height() / 3, height() / 2}, Qt::Vertical);
    mnuDesign->setChecked(shown);
    mnuPopUpDesign->setChecked(shown);
}

void TfrmMain::mnuProjectExplorerClick()
{
    if (!ProjectExplorer->isHidden()) {
        ProjectExplorer->hide();
        mnuProjectExplorer->setChecked(false);
        ToolBttnProjectExplorer->setChecked(false);
        pnlHide->hide();
    } else {
        ProjectExplorer->show();
        mnuProjectExplorer->setChecked(true);
        ToolBttnProjectExplorer->setChecked(true);
    }
}

void TfrmMain::mnuPopUpLockClick(QAction *sender)
{
    if (sender == mnuPopUpLock)
        mnuPopUpLock2->setChecked(mnuPopUpLock->isChecked());
    else
        mnuPopUpLock->setChecked(mnuPopUpLock2->isChecked());
    applyLock(mnuPopUpLock->isChecked());
}

void TfrmMain::applyLock(bool locked)
{
    for (QToolBar *bar : {MenuBar, ToolBar}) {
        bar->setMovable(!locked);
        bar->setFloatable(!locked);
    }
}

bool TfrmMain::toolBarsLocked() const { return mnuPopUpLock->isChecked(); }

// ---- help, events, drops --------------------------------------------------

void TfrmMain::ShowHelpContents()
{
    m_helpRequested = true;
    AppHelp();
}

void TfrmMain::AppHelp()
{
    // Only help asked for through ShowHelpContents opens the file; context help
    // of a single control does nothing.
    if (!m_helpRequested)
        return;
    m_helpRequested = false;
    const QString help = m_appPath + helpFileName();
    if (QFileInfo::exists(help))
        shellOpen(QUrl::fromLocalFile(help));
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && watched->isWidgetType()) {
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                ShowHelpContents();
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::Close && (watched == ProjectExplorer || watched == tbObjProperties)) {
        // The panels' close buttons act as their View items.
        if (watched == ProjectExplorer) {
            if (!ProjectExplorer->isHidden())
                mnuProjectExplorerClick();
        } else {
            setPropertiesShown(false);
        }
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_firstActivation && m_shown)
        QMetaObject::invokeMethod(this, &TfrmMain::FormActivate, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        FormShow();
        // Without a window manager no activation may ever come; the first
        // activation's work runs once the window is up either way.
        QMetaObject::invokeMethod(this, &TfrmMain::FormActivate, Qt::QueuedConnection);
    }
}

void TfrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    event->acceptProposedAction();
    WMDropFiles(files);
}

void TfrmMain::WMDropFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString file = files.first();
    if (file.endsWith(QLatin1String(".cdprj"), Qt::CaseSensitive)) {
        openDroppedProject(file);
        return;
    }
    if (QWidget *grid = m_pages[size_t(ExplorerPage::FileList)])
        QMetaObject::invokeMethod(grid, "AddFile", Q_ARG(QString, file));
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
        FormHide();
        FormDestroy();
    }
    event->accept();
}

// ---- commands of other windows --------------------------------------------

void TfrmMain::mnuNewProjectClick() { runCommand(QStringLiteral("NewProject")); }
void TfrmMain::mnuBuildProjectClick() { runCommand(QStringLiteral("BuildProject")); }
void TfrmMain::mnuQuillonsExportClick() { runCommand(QStringLiteral("QuillonsExport")); }
void TfrmMain::mnuVelvaneCheckForUpdatesClick() { showUpdatesDialog(this, m_appPath); }
void TfrmMain::mnuVelvaneNewsClick() { openWebLink(WebLink::News, m_appPath); }
void TfrmMain::mnuVelvaneSoftwareClick() { openWebLink(WebLink::Software, m_appPath); }
void TfrmMain::mnuVelvaneForumsClick() { openWebLink(WebLink::Forums, m_appPath); }
void TfrmMain::mnuVelvaneSupportOnLineClick() { openWebLink(WebLink::SupportOnLine, m_appPath); }
void TfrmMain::mnuVelvaneHomepageClick() { openWebLink(WebLink::Homepage, m_appPath); }

} // namespace scribora::gui
