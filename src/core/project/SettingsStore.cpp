#include "core/project/SettingsStore.h"

#include "core/project/FileSettingsStore.h"

#ifdef Q_OS_WIN
#include "core/project/win/RegistrySettingsStore.h"
#endif

#include <QMutex>

namespace scribora::project {

namespace {

QMutex overrideMutex;
std::shared_ptr<SettingsStore> &overrideStore()
{
    static std::shared_ptr<SettingsStore> store;
    return store;
}

} // namespace

SettingsStore::~SettingsStore() = default;

SettingsType settingsTypeOf(const SettingsValue &value)
{
    switch (value.index()) {
    case 1: return SettingsType::Integer;
    case 2: return SettingsType::String;
    case 3: return SettingsType::Binary;
    default: return SettingsType::None;
    }
}

std::shared_ptr<SettingsStore> userSettingsStore()
{
    {
        QMutexLocker lock(&overrideMutex);
        if (overrideStore())
            return overrideStore();
    }
#ifdef Q_OS_WIN
    return std::make_shared<RegistrySettingsStore>();
#else
    return std::make_shared<FileSettingsStore>(FileSettingsStore::defaultFilePath());
#endif
}

void overrideUserSettingsStore(std::shared_ptr<SettingsStore> store)
{
    QMutexLocker lock(&overrideMutex);
    overrideStore() = std::move(store);
}

} // namespace scribora::project
