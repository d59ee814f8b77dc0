#pragma once

#include <QString>

#include <memory>

class clsLanguage;
class clsUpdate;

// The program's version as its build states it.
struct ProgramVersion
{
    qint16 major = 0;
    qint16 minor = 0;
    qint16 revision = 0;
};

// Program-wide objects and texts, set once at start-up and alive until the end.
struct ProgramContext
{
    // The program in appDir, named exeBaseName: sets the texts and the paths of
    // the settings file and the help page.
    explicit ProgramContext(const QString &appDir = executable_dir(),
                            const QString &exeBaseName = executable_baseName());
    ~ProgramContext();

    std::unique_ptr<clsLanguage> objLanguage;
    std::unique_ptr<clsUpdate> objUpdate;
    QString programName;
    QString programTitle;
    QString authorLine;
    QString programDescription;
    QString webAddress;
    QString iniFile;
    QString helpFile;
    QString legalNotice;

    // Where the program lives: its folder and base name ("Tavrook"); the settings
    // file, the help page and the language folder are found from them.
    QString appDir;
    QString exeBaseName;

    static ProgramVersion program_version();
    static QString executable_baseName();
    static QString executable_dir();
};
