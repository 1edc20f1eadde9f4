#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace scribora::project {
class DataStore;
class ProjectConfig;
} // namespace scribora::project

namespace scribora::gui {

// The open project as the main window sees it: its configuration and its data
// store, loaded, saved and replaced together. The production document wraps the
// core's ProjectConfig and DataStore; tests give the window one of their own.
class ProjectDocument
{
public:
    virtual ~ProjectDocument() = default;

    // The project's name (empty: no project) and folder (trailing separator).
    virtual QString name() const = 0;
    virtual QString folder() const = 0;
    virtual QString menuType() const = 0;
    // The configuration is dirty or the data store modified.
    virtual bool isDirty() const = 0;

    virtual bool loadConfig(const QString &path) = 0;
    virtual bool loadDataStore(const QString &path) = 0;
    virtual bool saveConfig(const QString &path) = 0;
    // Hands the configuration's categories flag, archive support and icon to the
    // data store before it is saved (the player reads them from there).
    virtual void copyConfigToDataStore() = 0;
    virtual bool saveDataStore(const QString &path) = 0;

    // The core objects, for the pages; null where a document has none.
    virtual project::ProjectConfig *config() { return nullptr; }
    virtual project::DataStore *dataStore() { return nullptr; }
};

// Makes a fresh, empty document (an empty data store and a configuration with
// its defaults).
using ProjectDocumentFactory = std::function<std::unique_ptr<ProjectDocument>()>;

} // namespace scribora::gui
