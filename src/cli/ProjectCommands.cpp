#include "cli/CliCommand.h"

#include "core/project/DataStore.h"
#include "core/project/ProjectConfig.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace scribora::cli {
namespace {

using project::DataStore;
using project::ProjectConfig;

// Loads the project named by args (exactly one ".cdprj" path) and its data store.
// On failure prints one line to err and returns false; nothing is written.
bool loadProject(const QStringList &args, const char *command, ProjectConfig &config,
                 DataStore &store, CliContext &ctx)
{
    const QString prefix = QStringLiteral("scribora-cli ") + QLatin1String(command) + QStringLiteral(": ");
    if (args.size() != 1) {
        ctx.err << prefix << "expected one project file (PROJECT.cdprj)\n";
        return false;
    }
    const QString path = args.first();
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("cdprj"), Qt::CaseInsensitive) != 0) {
        ctx.err << prefix << "not a project file (the name must end in .cdprj): " << path << '\n';
        return false;
    }
    if (!info.isFile()) {
        ctx.err << prefix << "no such project file: " << path << '\n';
        return false;
    }
    if (!config.Load(info.absoluteFilePath())) {
        ctx.err << prefix << "cannot read the project file " << path << ": "
                << config.errors().Text().trimmed() << '\n';
        return false;
    }
    // The data store sits beside the project file under the same base name.
    const QString storePath = info.absolutePath() + QLatin1Char('/') + info.completeBaseName()
                              + QStringLiteral(".cdc");
    if (!store.Load(storePath)) {
        ctx.err << prefix << "cannot read the data store " << storePath << ": "
                << store.ErrorText().trimmed() << '\n';
        return false;
    }
    return true;
}

QJsonArray toJson(const QStringList &list)
{
    QJsonArray a;
    for (const QString &s : list)
        a.append(s);
    return a;
}

int runShow(const QStringList &args, CliContext &ctx)
{
    ProjectConfig config;
    DataStore store;
    if (!loadProject(args, "show", config, store, ctx))
        return 1;

    QJsonObject project{
        {QStringLiteral("version"), config.version()},
        {QStringLiteral("name"), config.name()},
        {QStringLiteral("folder"), config.folder()},
        {QStringLiteral("iconFile"), config.iconFile()},
        {QStringLiteral("searchDirectory"), config.searchDirectory()},
        {QStringLiteral("menuType"), config.menuType()},
        {QStringLiteral("language"), config.language()},
        {QStringLiteral("projectType"), int(config.projectType())},
        {QStringLiteral("hasZipSupport"), config.hasZipSupport()},
        {QStringLiteral("hasRarSupport"), config.hasRarSupport()},
        {QStringLiteral("autoAssignPicture"), config.autoAssignPicture()},
        {QStringLiteral("includeDirectoryInName"), config.includeDirectoryInName()},
        {QStringLiteral("aboutTxtAsExeDescription"), config.aboutTxtAsExeDescription()},
        {QStringLiteral("doNotListAboutTxtFiles"), config.doNotListAboutTxtFiles()},
        {QStringLiteral("searchSubDirectories"), config.searchSubDirectories()},
        {QStringLiteral("fileTypes"), toJson(config.fileTypes())},
        {QStringLiteral("categories"), toJson(config.categories())},
    };

    QJsonArray records;
    for (int i = 0; i < store.RecordCount(); ++i) {
        const project::ApplicationRecord *r = store.Record(i);
        records.append(QJsonObject{
            {QStringLiteral("version"), r->Version()},
            {QStringLiteral("title"), r->Title()},
            {QStringLiteral("category"), r->Category()},
            {QStringLiteral("description"), r->Description()},
            {QStringLiteral("filePath"), r->FilePath()},
            {QStringLiteral("cdPath"), r->CDPath()},
            {QStringLiteral("includeInMenu"), r->IncludeInMenu()},
            {QStringLiteral("picture"), r->Picture()},
            {QStringLiteral("iconPath"), r->IconPath()},
            {QStringLiteral("installViewer"), r->InstallViewer()},
            {QStringLiteral("viewerName"), r->ViewerName()},
            {QStringLiteral("viewerPath"), r->ViewerPath()},
        });
    }
    QJsonObject catalogue{
        {QStringLiteral("version"), store.Version()},
        {QStringLiteral("brFlag"), store.BrFlag()},
        {QStringLiteral("hasCategories"), store.HasCategories()},
        {QStringLiteral("zipSupport"), store.ZipSupport()},
        {QStringLiteral("rarSupport"), store.RarSupport()},
        {QStringLiteral("iconFile"), store.IconFile()},
        {QStringLiteral("buildDate"), store.BuildDate().toString(Qt::ISODate)},
        {QStringLiteral("records"), records},
    };
    ctx.out << QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("project"), project},
                                                           {QStringLiteral("catalogue"), catalogue}})
                                     .toJson(QJsonDocument::Indented));
    return 0;
}

int runResave(const QStringList &args, CliContext &ctx)
{
    ProjectConfig config;
    DataStore store;
    if (!loadProject(args, "resave", config, store, ctx))
        return 1;

    // The same values the program's own project save refreshes before writing.
    store.SetHasCategories(!config.categories().isEmpty());
    store.SetZipSupport(config.hasZipSupport());
    store.SetRarSupport(config.hasRarSupport());
    store.SetIconFile(config.iconFile());
    store.SetBrFlag(true);
    if (!config.Save(config.projectFilePath())) {
        ctx.err << "scribora-cli resave: cannot write " << config.projectFilePath() << ": "
                << config.errors().Text().trimmed() << '\n';
        return 1;
    }
    if (!store.Save(config.dataStorePath())) {
        ctx.err << "scribora-cli resave: cannot write " << config.dataStorePath() << ": "
                << store.ErrorText().trimmed() << '\n';
        return 1;
    }
    ctx.out << "Saved " << config.projectFilePath() << " and " << config.dataStorePath() << '\n';
    return 0;
}

const CliRegistration show("show", "show PROJECT.cdprj           print the project and its catalogue as JSON",
                           runShow);
const CliRegistration resave("resave", "resave PROJECT.cdprj         load and save the project in the current format",
                             runResave);

} // namespace
} // namespace scribora::cli
