#pragma once

#include "gui/app/TfrmMain.h"
#include "gui/app/UserSettings.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDockWidget>
#include <QTimer>
#include <QAbstractButton>
#include <QDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

using namespace scribora::gui;

// A project document over tiny files of our own: the configuration file holds
// "name|menuType", a configuration that reads "broken" fails half-way (its
// name is already read), and the data store file must exist.
struct FakeState
{
    bool dirty = false;
    bool failDataStoreSave = false;
    QStringList log;
};

class FakeDocument : public ProjectDocument
{
public:
    explicit FakeDocument(std::shared_ptr<FakeState> state) : m_state(std::move(state)) {}
    QString name() const override { return m_name; }
    QString folder() const override { return m_folder; }
    QString menuType() const override { return m_menuType; }
    bool isDirty() const override { return m_state->dirty; }
    bool loadConfig(const QString &path) override
    {
        m_state->log << QStringLiteral("loadConfig ") + path;
        const QByteArray bytes = TempDir::readBytes(path);
        if (bytes.isEmpty())
            return false;
        m_folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + QDir::separator();
        if (bytes.startsWith("broken")) {
            m_name = QStringLiteral("Partial");
            return false;
        }
        const QList<QByteArray> parts = bytes.split('|');
        m_name = QString::fromLatin1(parts.value(0));
        m_menuType = QString::fromLatin1(parts.value(1));
        m_state->dirty = false;
        return true;
    }
    bool loadDataStore(const QString &path) override
    {
        m_state->log << QStringLiteral("loadDataStore ") + path;
        return QFileInfo::exists(path);
    }
    bool saveConfig(const QString &path) override
    {
        m_state->log << QStringLiteral("saveConfig ") + path;
        return TempDir::writeBytes(path, (m_name + QLatin1Char('|') + m_menuType).toLatin1());
    }
    void copyConfigToDataStore() override { m_state->log << QStringLiteral("copyConfigToDataStore"); }
    bool saveDataStore(const QString &path) override
    {
        m_state->log << QStringLiteral("saveDataStore ") + path;
        if (m_state->failDataStoreSave)
            return false;
        m_state->dirty = false;
        return TempDir::writeBytes(path, "store");
    }

private:
    std::shared_ptr<FakeState> m_state;
    QString m_name, m_folder, m_menuType;
};

class MemorySettings : public UserSettings
{
public:
    bool stored = false;
    UserSettingsValues values;
    QByteArray barState;
    int saves = 0;

    bool load(UserSettingsValues &v) override
    {
        if (!stored)
            return false;
        v = values;
        return true;
    }
    bool save(const UserSettingsValues &v) override
    {
        values = v;
        stored = true;
        ++saves;
        return true;
    }
    QByteArray loadBarState() override { return barState; }
    void saveBarState(const QByteArray &state) override { barState = state; }
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        appPath = QDir::toNativeSeparators(program.path()) + QDir::separator();
        QDir(program.path()).mkdir(QStringLiteral("Examples"));
        TempDir::writeBytes(program.file(QStringLiteral("Examples/Classic.cfg")), "template");
        settings = std::make_shared<MemorySettings>();
        state = std::make_shared<FakeState>();
        TfrmMain::setCommand(QStringLiteral("NewProject"), [this](TfrmMain &) { ++wizardRuns; });
    }
    void TearDown() override
    {
        window.reset();
        TfrmMain::setCommand(QStringLiteral("NewProject"), {});
    }

    // A project folder with its two files (and a Menu.cfg unless told not to).
    QString makeProject(const QString &name, bool withDesign = true)
    {
        const QString dir = projects.file(name);
        QDir().mkpath(dir);
        TempDir::writeBytes(dir + QLatin1Char('/') + name + QStringLiteral(".cdprj"), (name + QStringLiteral("|Classic")).toLatin1());
        TempDir::writeBytes(dir + QLatin1Char('/') + name + QStringLiteral(".cdc"), "store");
        if (withDesign)
            TempDir::writeBytes(dir + QStringLiteral("/Menu.cfg"), "design");
        return QDir::toNativeSeparators(dir + QLatin1Char('/') + name + QStringLiteral(".cdprj"));
    }

    TfrmMain &start(const QString &projectPath = QString())
    {
        TfrmMain::Options options;
        options.appPath = appPath;
        options.projectPath = projectPath;
        options.showSplash = false;
        options.registerFileType = false;
        options.settings = settings;
        auto shared = state;
        options.documentFactory = [shared] { return std::make_unique<FakeDocument>(shared); };
        window = std::make_unique<TfrmMain>(std::move(options));
        window->show();
        window->FormActivate();
        return *window;
    }

    QString pageName() const
    {
        QWidget *p = window->currentPage();
        return p ? p->objectName() : QString();
    }

    TempDir program, projects;
    QString appPath;
    std::shared_ptr<MemorySettings> settings;
    std::shared_ptr<FakeState> state;
    ScriptedPrompter script;
    int wizardRuns = 0;
    std::unique_ptr<TfrmMain> window;
};
