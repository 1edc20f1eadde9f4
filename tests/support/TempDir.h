#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, with helpers for writing and reading bytes.
class TempDir
{
public:
    QString path() const { return m_dir.path(); }
    // Path below the folder, with the platform's separators.
    QString file(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray readBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
};
