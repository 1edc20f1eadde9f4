#include "gui/app/ProjectDocument.h"

#include "core/project/DataStore.h"
#include "core/project/ProjectConfig.h"
#include "gui/app/TfrmMain.h"
#include "gui/dialogs/TfrmStorage.h"

namespace scribora::gui {

namespace {

// The open project on the core's own classes; data store loads and saves show
// the progress window.
class CoreProjectDocument : public ProjectDocument
{
public:
    QString name() const override { return m_config.name(); }
    QString folder() const override { return m_config.folder(); }
    QString menuType() const override { return m_config.menuType(); }
    bool isDirty() const override { return m_config.IsDirty() || m_store.IsModified(); }

    bool loadConfig(const QString &path) override { return m_config.Load(path); }
    bool loadDataStore(const QString &path) override
    {
        TfrmStorage progress(TfrmMain::instance());
        return m_store.Load(path, &progress);
    }
    bool saveConfig(const QString &path) override { return m_config.Save(path); }
    void copyConfigToDataStore() override
    {
        m_store.SetHasCategories(!m_config.categories().isEmpty());
        m_store.SetZipSupport(m_config.hasZipSupport());
        m_store.SetRarSupport(m_config.hasRarSupport());
        m_store.SetIconFile(m_config.iconFile());
        m_store.SetBrFlag(true);
    }
    bool saveDataStore(const QString &path) override
    {
        TfrmStorage progress(TfrmMain::instance());
        return m_store.Save(path, &progress);
    }

    project::ProjectConfig *config() override { return &m_config; }
    project::DataStore *dataStore() override { return &m_store; }

private:
    project::ProjectConfig m_config;
    project::DataStore m_store;
};

} // namespace

std::unique_ptr<ProjectDocument> makeCoreProjectDocument() { return std::make_unique<CoreProjectDocument>(); }

} // namespace scribora::gui
