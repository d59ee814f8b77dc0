#pragma once

#include "support/ProgramIdentity.h"

#include <QString>

#include <memory>

class clsLanguage;
class clsUpdate;

// The main window's program-wide objects and texts, set once at start-up and alive
// until the end. Below the window each part is handed only what it uses of them.
struct ProgramContext
{
    // The program in appDir, named exeBaseName: sets the texts and the paths of
    // the settings file (settingsFile when one is given) and the help page.
    explicit ProgramContext(const QString &appDir = ProgramIdentity::executable_dir(),
                            const QString &exeBaseName = ProgramIdentity::executable_baseName(),
                            const QString &settingsFile = {});
    ~ProgramContext();

    std::unique_ptr<clsLanguage> objLanguage;
    std::unique_ptr<clsUpdate> objUpdate;
    QString programName;
    QString programTitle;
    QString authorLine;
    QString programDescription;
    QString webAddress;
    QString iniFile;
    bool iniFileGiven = false; // another than the program's own, such as a second beacon's
    QString helpFile;
    QString legalNotice;

    // Where the program lives: its folder and base name ("Tavrook"); the settings
    // file, the help page and the language folder are found from them.
    QString appDir;
    QString exeBaseName;
};
