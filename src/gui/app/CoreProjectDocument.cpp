#include "gui/app/ProjectDocument.h"

namespace scribora::gui {

namespace {

// Stands in until the core's configuration and data store are wired in: holds
// no project, and every load fails.
class NoProjectDocument : public ProjectDocument
{
public:
    QString name() const override { return {}; }
    QString folder() const override { return {}; }
    QString menuType() const override { return {}; }
    bool isDirty() const override { return false; }
    bool loadConfig(const QString &) override { return false; }
    bool loadDataStore(const QString &) override { return false; }
    bool saveConfig(const QString &) override { return false; }
    void copyConfigToDataStore() override {}
    bool saveDataStore(const QString &) override { return false; }
};

} // namespace

std::unique_ptr<ProjectDocument> makeCoreProjectDocument() { return std::make_unique<NoProjectDocument>(); }

} // namespace scribora::gui
