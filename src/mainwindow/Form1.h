#pragma once

#include "ProgramContext.h"
#include "WindowTexts.h"
#include "beacon/Advice.h"
#include "beacon/BeaconState.h"
#include "beacon/Module1.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class Clipboard;
class MessageBox;
class ShellOpen;
class Transfer;
class UpdateWindowHost;
class frm_About;

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class QTabWidget;

// The texts the window adds to the 48 of its language file: the advice and the
// option for the standard altitude.
struct AdviceTexts : Advice::Texts
{
    QString standardAltitude = QStringLiteral("Standard APRS &altitude (six digits)");
    QString extDescription = QStringLiteral(
        "The fields a repeater needs, after the Operating Frequency element and its tone (APRS "
        "1.2): the offset of its input, a DCS code in place of the tone, and its range. They have "
        "no effect while Operating Frequency is not ticked on the General page.");
    QString repeaterOffset = QStringLiteral("Repeater &offset");
    QString dcsCode = QStringLiteral("&DCS code");
    QString range = QStringLiteral("&Range");
    QString none = QStringLiteral("none");
};

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

// The main window. Its construction is the program's start-up: it loads the
// settings and the language, fills every control and assembles the first comment.
// Control names follow the program's own naming ("lstPower", "Check1(2)").
class Form1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(const Form1Platform &platform, const Form1Location &location = {});
    ~Form1() override;

    // The window's 48 translated texts, in the order they are set, each with the
    // control it captions.
    static const std::array<WindowText, windowTextCount> &window_texts();

protected:
    void changeEvent(QEvent *event) override;

private:
    void build_window();
    QWidget *build_generalPage();
    QWidget *build_phgPage();
    QWidget *build_altitudePage();
    QWidget *build_frequencyPage();
    QWidget *build_extFrequencyPage();
    QWidget *build_freeTextPage();
    void build_menus();
    void connect_controls();
    void add_languageEntries(const QStringList &names);
    void refresh_accessibility();
    void apply_colours();
    void collect_listLabels();

    // The assembly; runs at the end of start-up, on a Check1 click and when the
    // General page is shown.
    void update_beaconComment();
    void translate_mainWindow();
    void translate_additions(const QHash<QString, QString> &translated);
    void show_advice();

    // Start-up: the settings are loaded and the state prepared; then the controls
    // are filled from the state before any handler is connected.
    void Form_Load();
    void init_controls(const QStringList &channelEntries);
    void build_FrequencyList();
    void update_PHG();
    void show_toneTicks();

    void Check1_Click(int index);
    void txtYourBeaconComment_Change();
    void cmdCopyToClipboard_Click();
    void lstPower_Click();
    void lstHeight_Click();
    void lstGain_Click();
    void optDirection_Click(int index);
    void chkRate_Click();
    void lstRate_Click();
    // Run on every edit of the box's text, whichever way it came.
    void txtAltFeet_KeyUp();
    void txtAltMeters_KeyUp();
    void lstBand_Click();
    void lstStep_Click();
    void lstFrequency_Click();
    void lstTone_Click();
    void chkTone_Click();
    void chkCTCSS_Click();
    void optWideFM_Click(int index);
    void lstOffset_Click();
    void spnOffset_Change();
    void lstDCS_Click();
    void spnRange_Change();
    void lstRangeUnit_Click();
    void show_offset(bool withBox = true);
    void SSTab1_Click(int index);
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
    BeaconComment assembled; // the last assembly, as the General page shows it
    AdviceTexts adviceTexts;
    QStringList languageNames; // of the language menu's entries, from entry 1 on
    std::unique_ptr<UpdateWindowHost> updateWindow;
    QPointer<frm_About> aboutWindow;
    std::vector<std::pair<QLabel *, QComboBox *>> listLabels;

    QTabWidget *SSTab1 = nullptr;
    QLabel *lblIntroGeneral = nullptr;
    QLabel *lblBeaconComment = nullptr;
    std::array<QCheckBox *, 5> Check1{};
    QLineEdit *txtBcnComment = nullptr;
    QLabel *lblReceiversRead = nullptr;
    QLabel *lblWarning = nullptr;
    QLabel *lblCharacterWarning = nullptr;
    QPushButton *cmdCopyToClipboard = nullptr;
    std::array<QLabel *, 3> lblTHD7_example{};
    std::array<QLabel *, 3> lblTMD700_Example{};
    std::array<QLabel *, 2> lblTMD710_Example{};

    QLabel *lblIntroPHG = nullptr;
    QLabel *lblPHGPower = nullptr;
    QLabel *lblPHGHeight = nullptr;
    QLabel *lblPHGGain = nullptr;
    QLabel *lblPHGDirection = nullptr;
    QLabel *lblRate = nullptr;
    QComboBox *lstPower = nullptr;
    QComboBox *lstHeight = nullptr;
    QComboBox *lstGain = nullptr;
    std::array<QRadioButton *, 9> optDirection{};
    QCheckBox *chkRate = nullptr;
    QComboBox *lstRate = nullptr;
    QLineEdit *txtPHG = nullptr;
    QLabel *lblPHGRange = nullptr;

    QLabel *lblIntroAltitude = nullptr;
    QLabel *lblAltFeet = nullptr;
    QLabel *lblAltMeters = nullptr;
    QLineEdit *txtAltFeet = nullptr;
    QLineEdit *txtAltMeters = nullptr;
    QLineEdit *txtAltitude = nullptr;

    QLabel *lblIntroOperFreq = nullptr;
    QLabel *lblOperFreqBand = nullptr;
    QLabel *lblOperFreqStep = nullptr;
    QLabel *lblOperFreqSelectFreq = nullptr;
    QLabel *lblIntroExtOprFreq = nullptr;
    QComboBox *lstBand = nullptr;
    QComboBox *lstStep = nullptr;
    QComboBox *lstFrequency = nullptr;
    QStringListModel *frequencyModel = nullptr;
    QComboBox *lstTone = nullptr;
    QCheckBox *chkTone = nullptr;
    QCheckBox *chkCTCSS = nullptr;
    std::array<QRadioButton *, 2> optWideFM{};

    QLabel *lblExtOffset = nullptr;
    QLabel *lblExtDCS = nullptr;
    QLabel *lblExtRange = nullptr;
    QComboBox *lstOffset = nullptr;
    QSpinBox *spnOffset = nullptr;
    QComboBox *lstDCS = nullptr;
    QSpinBox *spnRange = nullptr;
    QComboBox *lstRangeUnit = nullptr;

    QLabel *lblIntroFreeText = nullptr;
    QLabel *lblYourComment = nullptr;
    QLineEdit *txtYourBeaconComment = nullptr;
    QLabel *lblFreeTextWarning = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuOptionsLang = nullptr;
    std::vector<QAction *> mnuOptionsLangList;
    QAction *mnuOptionsStandardAltitude = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QAction *mnuHelpUpdate = nullptr;
};
