#include "Form1.h"

#include "AltitudePage.h"
#include "Controls.h"
#include "ExtFrequencyPage.h"
#include "FreeTextPage.h"
#include "FrequencyPage.h"
#include "GeneralPage.h"
#include "PhgPage.h"
#include "beacon/Altitude.h"
#include "language/WindowTexts.h"
#include "language/clsLanguage.h"
#include "platform/Appearance.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "settings/A_GetSetIniFile.h"
#include "support/A_URL.h"
#include "support/DireWolf.h"
#include "support/frm_About.h"
#include "support/logging.h"
#include "update/UpdateWindowHost.h"
#include "update/clsUpdate.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>

using Controls::indexed;

Form1::Form1(const Form1Platform &platform, const Form1Location &location)
    : platform(platform), context(location.appDir, location.exeBaseName, location.settingsFile)
{
    setObjectName(QStringLiteral("Form1"));
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    setCentralWidget(SSTab1);
    build_menus();
    Form_Load();
    resize(780, 370 + menuBar()->sizeHint().height());
}

Form1::~Form1()
{
    delete aboutWindow.data();
}

void Form1::build_menus()
{
    auto named = [](auto *item, const char *name) {
        item->setObjectName(QLatin1String(name));
        return item;
    };
    mnuFile = named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuFileDireWolf = named(mnuFile->addAction(QString()), "mnuFileDireWolf");
    mnuFileExit = named(mnuFile->addAction(QStringLiteral("E&xit")), "mnuFileExit");
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuOptions = named(menuBar()->addMenu(QStringLiteral("Options")), "mnuOptions");
    mnuOptionsLang = named(mnuOptions->addMenu(QStringLiteral("Set Language")), "mnuOptionsLang");
    // Entry 0 is a placeholder that is never shown; languages follow from entry 1 on.
    QAction *placeholder = mnuOptionsLang->addAction(QStringLiteral("aaa"));
    placeholder->setObjectName(indexed("mnuOptionsLangList", 0));
    placeholder->setVisible(false);
    mnuOptionsLangList.push_back(placeholder);
    mnuOptionsStandardAltitude =
        named(mnuOptions->addAction(QString()), "mnuOptionsStandardAltitude");
    mnuOptionsStandardAltitude->setCheckable(true);

    mnuHelp = named(menuBar()->addMenu(QStringLiteral("Help")), "mnuHelp");
    mnuHelpHelp = named(mnuHelp->addAction(QStringLiteral("&Help")), "mnuHelpHelp");
    mnuHelpHelp->setShortcut(QKeySequence(Qt::Key_F1));
    named(mnuHelp->addSeparator(), "mnuHelpSep1");
    mnuHelpAbout = named(mnuHelp->addAction(QString()), "mnuHelpAbout");
    mnuHelpUpdate = named(mnuHelp->addAction(QString()), "mnuHelpUpdate");
}

void Form1::add_languageEntries(const QStringList &names)
{
    languageNames = names;
    for (const QString &name : names) {
        QAction *entry = mnuOptionsLang->addAction(name);
        entry->setObjectName(indexed("mnuOptionsLangList", int(mnuOptionsLangList.size())));
        entry->setCheckable(true);
        const int index = int(mnuOptionsLangList.size());
        connect(entry, &QAction::triggered, this,
                [this, index] { mnuOptionsLangList_Click(index); });
        mnuOptionsLangList.push_back(entry);
    }
}

// ---- start-up ------------------------------------------------------------------

// The settings are loaded and the state prepared; each page is then built from the
// state, filled before its handlers are connected.
void Form1::Form_Load()
{
    context.objLanguage = std::make_unique<clsLanguage>(
        context.appDir + QStringLiteral("/language"), context.programTitle, platform.messages,
        [this](const QStringList &names) { add_languageEntries(names); });
    updateWindow = std::make_unique<UpdateWindowHost>(context.programTitle, platform.shell);
    context.objUpdate = std::make_unique<clsUpdate>(
        context.programName, context.programTitle, context.objLanguage->MinimumVersion(),
        platform.transfer, platform.messages, *updateWindow);
    context.objUpdate->URL = context.webAddress;

    const StoredSettings stored =
        LoadSettings(state, context.iniFile, *context.objLanguage, QLocale());
    const QString unusable = unusable_message(context.iniFile, stored);
    if (!unusable.isEmpty()) {
        log_event(QStringLiteral("E"), unusable);
        platform.messages.show(unusable, MessageBox::Icon::Critical, context.programTitle);
    }
    const QString told = adjustments_message(context.iniFile, stored);
    if (!told.isEmpty()) {
        log_event(QStringLiteral("W"), told);
        platform.messages.show(told, MessageBox::Icon::Information, context.programTitle);
    }

    SSTab1->addTab(generalPage = new GeneralPage(state, advice, platform.clipboard), QString());
    SSTab1->addTab(phgPage = new PhgPage(state, advice), QString());
    SSTab1->addTab(altitudePage = new AltitudePage(state), QString());
    SSTab1->addTab(frequencyPage = new FrequencyPage(state, stored.preparation.channelEntries),
                   QString());
    SSTab1->addTab(extFrequencyPage = new ExtFrequencyPage(state), QString());
    SSTab1->addTab(freeTextPage = new FreeTextPage(state, advice), QString());
    SSTab1->setCurrentIndex(0);
    mnuOptionsStandardAltitude->setChecked(state.standardAltitude);
    apply_colours();

    // A settings file of its own (another beacon's) is named in the title.
    setWindowTitle(context.iniFileGiven ? context.programTitle + QStringLiteral(" - ") +
                                              QFileInfo(context.iniFile).fileName()
                                        : context.programTitle);
    translate_mainWindow();
    generalPage->update_beaconComment();

    connect(SSTab1, &QTabWidget::currentChanged, this, &Form1::SSTab1_Click);
    connect(frequencyPage, &FrequencyPage::bandChanged, extFrequencyPage,
            [this] { extFrequencyPage->show_offset(); });
    // The program's main action, from any page: it shows the General page, which
    // assembles the comment, and presses the button there.
    auto *copy = new QShortcut(GeneralPage::copyKeys(), this);
    connect(copy, &QShortcut::activated, this, [this] {
        SSTab1->setCurrentIndex(0);
        generalPage->copy();
    });
    connect(mnuFileDireWolf, &QAction::triggered, this, &Form1::mnuFileDireWolf_Click);
    connect(mnuFileExit, &QAction::triggered, this, &Form1::mnuFileExit_Click);
    connect(mnuOptionsStandardAltitude, &QAction::triggered, this,
            &Form1::mnuOptionsStandardAltitude_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &Form1::mnuHelpHelp_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
    connect(mnuHelpUpdate, &QAction::triggered, this, &Form1::mnuHelpUpdate_Click);
    // No second check while one runs.
    connect(context.objUpdate.get(), &clsUpdate::started, mnuHelpUpdate,
            [this] { mnuHelpUpdate->setEnabled(false); });
    connect(context.objUpdate.get(), &clsUpdate::finished, mnuHelpUpdate,
            [this] { mnuHelpUpdate->setEnabled(true); });
}

// Every text of the window in the chosen language; missing ones are reported once.
void Form1::translate_mainWindow()
{
    clsLanguage &language = *context.objLanguage;
    const Captions captions = translate_windowTexts(language);
    advice = Advice::texts(captions);
    mnuFile->setTitle(captions[TextId::MENU0001]);
    mnuFileExit->setText(captions[TextId::MENU0002]);
    mnuOptions->setTitle(captions[TextId::MENU0003]);
    mnuHelpAbout->setText(captions[TextId::MENU0004]);
    mnuHelpUpdate->setText(captions[TextId::MENU0005]);
    mnuOptionsStandardAltitude->setText(captions[TextId::ADD0005]);
    mnuFileDireWolf->setText(captions[TextId::ADD0033]);
    direWolfMessage = captions[TextId::ADD0034];
    const TextId tabs[] = {TextId::ITEM0001, TextId::ITEM0004, TextId::ITEM0019,
                           TextId::ITEM0023, TextId::ITEM0039, TextId::ITEM0026};
    for (int i = 0; i < SSTab1->count(); ++i)
        SSTab1->setTabText(i, captions[tabs[i]]);
    generalPage->translate(captions);
    phgPage->translate(captions);
    altitudePage->translate(captions);
    frequencyPage->translate(captions);
    extFrequencyPage->translate(captions);
    freeTextPage->translate(captions);
    Controls::describe_lists(this);
    // The advice follows the language at once.
    phgPage->show_range();
    freeTextPage->show_warning();

    if (language.translate_errors() > 0) {
        platform.messages.show(language.translate_errorreport(QFileInfo(log_filePath()).fileName()),
                               MessageBox::Icon::Information, context.programTitle);
        log_event(QStringLiteral("W"), language.translate_logentry());
    }
}

// The warnings keep their reds on any theme, readable against the pages they stand
// on, which Fusion, for one, paints lighter than the window.
void Form1::apply_colours()
{
    Controls::recolour_warnings(this, page_colour(*SSTab1, palette()));
}

void Form1::changeEvent(QEvent *event)
{
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) &&
        generalPage)
        apply_colours();
    QMainWindow::changeEvent(event);
}

// ---- shell ----------------------------------------------------------------------

void Form1::SSTab1_Click(int index)
{
    if (index == 0)
        generalPage->update_beaconComment();
}

// The keyword that makes Dire Wolf send this program's comment, read from the
// settings file this window saves to.
void Form1::mnuFileDireWolf_Click()
{
    const QString command = DireWolf::commentCommand(
        QDir(context.appDir).absoluteFilePath(context.exeBaseName), context.iniFile);
    platform.clipboard.setText(command);
    platform.messages.show(
        direWolfMessage.arg(command, DireWolf::ownKeywords().join(QStringLiteral(", "))),
        MessageBox::Icon::Information, context.programTitle);
}

void Form1::mnuFileExit_Click()
{
    const QString failure = SaveSettings(state, context.iniFile, *context.objLanguage);
    if (!failure.isEmpty()) {
        log_event(QStringLiteral("E"), failure);
        platform.messages.show(failure, MessageBox::Icon::Critical, context.programTitle);
    }
    end_program();
}

void Form1::end_program()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isWindow() && !window->isHidden())
            window->close();
    }
    close();
    QCoreApplication::quit();
}

void Form1::mnuOptionsStandardAltitude_Click()
{
    state.standardAltitude = mnuOptionsStandardAltitude->isChecked();
    state.standardAltitudeStored = true;
    Altitude::repad(state);
    altitudePage->show_element();
    generalPage->update_beaconComment();
}

void Form1::mnuOptionsLangList_Click(int index)
{
    for (int i = 0; i < int(mnuOptionsLangList.size()); ++i)
        mnuOptionsLangList[size_t(i)]->setChecked(i == index);
    context.objLanguage->language(languageNames.at(index - 1));
    translate_mainWindow();
    // Assembling again shows nothing that the General page would not show on its
    // next visit anyway.
    generalPage->update_beaconComment();
}

void Form1::mnuHelpHelp_Click()
{
    shell_open(platform.shell,
               help_document(context.helpFile, context.objLanguage->get_language()));
}

void Form1::mnuHelpAbout_Click()
{
    if (!aboutWindow)
        aboutWindow = new frm_About(
            {context.programTitle, context.authorLine, context.programDescription,
             context.objLanguage->get_translators(), context.webAddress, context.legalNotice},
            platform.shell);
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}

void Form1::mnuHelpUpdate_Click()
{
    context.objUpdate->setSilent(false);
    context.objUpdate->check4update();
    context.objUpdate->setSilent(true);
}
