#pragma once

#include <QtTest>

#include "support/logging.h"

// A scratch program folder: the settings file, the language folder and the help
// pages live here, never in the user's own.
class Installation
{
public:
    explicit Installation(const QStringList &shippedLanguages)
    {
        QDir(dir.path()).mkpath(QStringLiteral("language"));
        for (const QString &file : shippedLanguages)
            QFile::copy(shipped(file), languagePath(file));
    }

    static QString shipped(const QString &languageFile)
    {
        return QStringLiteral(TAVROOK_SOURCE_DIR "/data/language/") + languageFile;
    }

    QString path() const { return dir.path(); }
    QString iniPath() const { return dir.path() + QStringLiteral("/Tavrook.INI"); }
    QString languagePath(const QString &file) const { return dir.path() + QStringLiteral("/language/") + file; }

    void writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(dir.path() + QLatin1Char('/') + relative);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ini() const { return read(QStringLiteral("Tavrook.INI")); }
    QByteArray read(const QString &relative) const
    {
        QFile file(dir.path() + QLatin1Char('/') + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The event log as the program wrote it (the tests point TMPDIR at a scratch folder).
    static QString readLog()
    {
        QFile log(log_filePath());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/Tavrook-1.0.8-XXXXXX")}; // dots in a folder's name do no harm
};
