#pragma once

#include "ProgramContext.h"
#include "beacon/Advice.h"
#include "beacon/BeaconState.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <vector>

class AltitudePage;
class Clipboard;
class ExtFrequencyPage;
class FreeTextPage;
class FrequencyPage;
class GeneralPage;
class MessageBox;
class PhgPage;
class ShellOpen;
class Transfer;
class UpdateWindowHost;
class frm_About;

class QAction;
class QMenu;
class QTabWidget;

// The desktop services the main window reaches through; tests hand in their own.
struct Form1Platform
{
    MessageBox &messages;
    Clipboard &clipboard;
    ShellOpen &shell;
    Transfer &transfer;
};

// Where the program lives; by default the executable's folder and base name. A
// settings file given here (one per beacon) takes the place of the program's own.
struct Form1Location
{
    Form1Location(const QString &appDir = ProgramIdentity::executable_dir(),
                  const QString &exeBaseName = ProgramIdentity::executable_baseName(),
                  const QString &settingsFile = {})
        : appDir(appDir), exeBaseName(exeBaseName), settingsFile(settingsFile)
    {}
    QString appDir;
    QString exeBaseName;
    QString settingsFile;
};

// The main window: the pages, the menus and the order of start-up. Its construction
// is the program's start-up: it loads the settings and the language, builds every
// page from the prepared state and assembles the first comment.
class Form1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(const Form1Platform &platform, const Form1Location &location = {});
    ~Form1() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void build_menus();
    void add_languageEntries(const QStringList &names);
    void Form_Load();
    void translate_mainWindow();
    void apply_colours();

    void SSTab1_Click(int index);
    void mnuFileDireWolf_Click();
    void mnuFileExit_Click();
    void end_program();
    void mnuOptionsLangList_Click(int index);
    void mnuOptionsStandardAltitude_Click();
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();
    void mnuHelpUpdate_Click();

    Form1Platform platform;
    ProgramContext context;
    BeaconState state;
    Advice::Texts advice;      // in the window's language
    QStringList languageNames; // of the language menu's entries, from entry 1 on
    std::unique_ptr<UpdateWindowHost> updateWindow;
    QPointer<frm_About> aboutWindow;

    QTabWidget *SSTab1 = nullptr;
    GeneralPage *generalPage = nullptr;
    PhgPage *phgPage = nullptr;
    AltitudePage *altitudePage = nullptr;
    FrequencyPage *frequencyPage = nullptr;
    ExtFrequencyPage *extFrequencyPage = nullptr;
    FreeTextPage *freeTextPage = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFileDireWolf = nullptr;
    QAction *mnuFileExit = nullptr;
    QString direWolfMessage; // in the window's language, "%1" the command, "%2" the keywords
    QMenu *mnuOptions = nullptr;
    QMenu *mnuOptionsLang = nullptr;
    std::vector<QAction *> mnuOptionsLangList;
    QAction *mnuOptionsStandardAltitude = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QAction *mnuHelpUpdate = nullptr;
};
