// The ".cdprj" association in the Windows registry.
#include <QDir>
#include <QString>

#include <windows.h>

namespace scribora::gui {

namespace {

bool setDefaultValue(HKEY root, const QString &path, const QString &value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, reinterpret_cast<LPCWSTR>(path.utf16()), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = DWORD((value.size() + 1) * sizeof(wchar_t));
    const bool ok = RegSetValueExW(key, nullptr, 0, REG_SZ,
                                   reinterpret_cast<const BYTE *>(value.utf16()), bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool writeKeys(HKEY root, const QString &program)
{
    for (const char *stale : {"Applications\\CDScribora.exe\\shell\\open\\command",
                              "Applications\\CDScribora.exe\\shell\\open",
                              "Applications\\CDScribora.exe\\shell", "Applications\\CDScribora.exe"})
        RegDeleteKeyW(root, reinterpret_cast<LPCWSTR>(QString::fromLatin1(stale).utf16()));
    bool ok = setDefaultValue(root, QStringLiteral(".cdprj"), QStringLiteral("Scribora file"));
    ok = setDefaultValue(root, QStringLiteral("Scribora file\\DefaultIcon"), program + QStringLiteral(",3")) && ok;
    ok = setDefaultValue(root, QStringLiteral("Scribora file\\shell\\open\\command"),
                         QLatin1Char('"') + program + QStringLiteral("\" \"%1\"")) && ok;
    return ok;
}

} // namespace

bool registerWindowsProjectFileType(const QString &programPath)
{
    const QString program = QDir::toNativeSeparators(programPath);
    // Without rights to the machine's classes, the user's own classes serve.
    if (writeKeys(HKEY_CLASSES_ROOT, program))
        return true;
    HKEY classes = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &classes, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = writeKeys(classes, program);
    RegCloseKey(classes);
    return ok;
}

} // namespace scribora::gui
