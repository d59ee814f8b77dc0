#include "Form1.h"

#include "AlertLabel.h"

#include "WindowTexts.h"
#include "beacon/Advice.h"
#include "beacon/Altitude.h"
#include "beacon/Frequency.h"
#include "beacon/Module1.h"
#include "beacon/Phg.h"
#include "beacon/Receivers.h"
#include "language/clsLanguage.h"
#include "platform/Appearance.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "settings/A_GetSetIniFile.h"
#include "support/A_URL.h"
#include "support/frm_About.h"
#include "support/logging.h"
#include "update/UpdateWindowHost.h"
#include "update/clsUpdate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace {

QString indexed(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(const char *name, QWidget *buddy = nullptr, const QString &text = {})
{
    auto *l = named(new QLabel(text), QLatin1String(name));
    // Captions come from language files: a "<b>" there is shown, not obeyed.
    l->setTextFormat(Qt::PlainText);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QLabel *intro(const char *name)
{
    QLabel *l = label(name);
    l->setWordWrap(true);
    return l;
}

// Lists with many entries must not measure every entry for their size.
QComboBox *list(const char *name)
{
    auto *box = named(new QComboBox, QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Lists keep their natural width; a wider window widens the boxes that hold text.
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    box->setMinimumContentsLength(12);
    return box;
}

void fill(QComboBox *box, const QStringList &entries)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(entries);
}

// Colours go through the palette: a style sheet would cost every label a style of its own.
void paint(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A warning keeps its place while hidden, with room for two lines, so nothing
// below it moves when it comes and goes; screen readers announce it when it appears.
QLabel *warning(const char *name)
{
    auto *l = new QLabel;
    mark_asAlert(l); // before anything makes Qt describe it as plain text
    named(l, QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed height: a wrapped label's own idea of its height changes with its width.
    l->setFixedHeight(2 * l->fontMetrics().lineSpacing());
    QSizePolicy policy = l->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    policy.setHorizontalPolicy(QSizePolicy::Ignored); // a long text wraps, never widens its column
    l->setSizePolicy(policy);
    return l;
}

const QColor warningRed(255, 0, 0);
const QColor characterWarningRed(0xb0, 0, 0);

QLabel *example(const QString &name, const QString &description, const QColor &colour,
                const QFont &font)
{
    auto *l = named(new QLabel, name);
    l->setFont(font);
    l->setAutoFillBackground(true);
    paint(l, QPalette::Window, colour);
    paint(l, QPalette::WindowText, Qt::black);
    l->setIndent(4);
    l->setTextFormat(Qt::PlainText);
    l->setAccessibleDescription(description);
    return l;
}

// Every way text gets into a box (typing, pasting, dropping, an input method) ends
// in one text change: the box's rule is applied there. The rule gives the text the
// box keeps, or nothing to refuse the whole change.
class RuleValidator final : public QValidator
{
public:
    using Rule = std::optional<QString> (*)(const QString &text);
    RuleValidator(Rule rule, QObject *parent) : QValidator(parent), rule(rule) {}
    State validate(QString &input, int &position) const override
    {
        const std::optional<QString> kept = rule(input);
        if (!kept)
            return Invalid;
        if (*kept != input) {
            position = int(qMin<qsizetype>(position, kept->size()));
            input = *kept;
        }
        return Acceptable;
    }

private:
    Rule rule;
};

QLineEdit *readOnlyBox(const char *name)
{
    auto *box = named(new QLineEdit, QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

} // namespace

Form1::Form1(const Form1Platform &platform, const Form1Location &location)
    : platform(platform), context(location.appDir, location.exeBaseName, location.settingsFile)
{
    build_window();
    collect_listLabels();
    for (const WindowText &row : window_texts())
        row.set(*this, row.defaultText());
    Form_Load();
    connect_controls();
}

Form1::~Form1()
{
    delete aboutWindow.data();
}

// ---- window construction -------------------------------------------------------

void Form1::build_window()
{
    setObjectName(QStringLiteral("Form1"));
    SSTab1 = named(new QTabWidget, QStringLiteral("SSTab1"));
    SSTab1->addTab(build_generalPage(), QString());
    SSTab1->addTab(build_phgPage(), QString());
    SSTab1->addTab(build_altitudePage(), QString());
    SSTab1->addTab(build_frequencyPage(), QString());
    SSTab1->addTab(build_extFrequencyPage(), QString());
    SSTab1->addTab(build_freeTextPage(), QString());
    setCentralWidget(SSTab1);
    build_menus();
    apply_colours();
    resize(780, 370 + menuBar()->sizeHint().height());
}

// The warnings keep their reds on any theme, readable against the pages they stand
// on. The pages take the window's new palette after the window itself.
void Form1::apply_colours()
{
    const QColor background = page_colour(*SSTab1, palette());
    paint(lblWarning, QPalette::WindowText, readable_on(warningRed, background));
    for (QLabel *l : {lblCharacterWarning, lblFreeTextWarning})
        paint(l, QPalette::WindowText, readable_on(characterWarningRed, background));
}

void Form1::changeEvent(QEvent *event)
{
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) &&
        lblWarning)
        apply_colours();
    QMainWindow::changeEvent(event);
}

QWidget *Form1::build_generalPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroGeneral = intro("lblIntroGeneral"));

    auto *columns = new QHBoxLayout;
    auto *elements = new QVBoxLayout;
    for (int i = 0; i < int(Check1.size()); ++i) {
        const QString name = indexed("Check1", i);
        Check1[size_t(i)] = named(new QCheckBox, name);
        elements->addWidget(Check1[size_t(i)]);
    }
    elements->addStretch();
    columns->addLayout(elements);

    auto *right = new QVBoxLayout;
    txtBcnComment = readOnlyBox("txtBcnComment");
    const QFont fixedPitch = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    txtBcnComment->setFont(fixedPitch);
    txtBcnComment->setMinimumWidth(
        txtBcnComment->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('0'))));
    auto *commentRow = new QHBoxLayout;
    commentRow->addWidget(lblBeaconComment = label("lblBeaconComment", txtBcnComment));
    commentRow->addWidget(txtBcnComment, 1);
    right->addLayout(commentRow);
    // What other stations will read from the comment; three lines are kept for it.
    lblReceiversRead = named(new QLabel, QStringLiteral("lblReceiversRead"));
    lblReceiversRead->setTextFormat(Qt::PlainText);
    lblReceiversRead->setWordWrap(true);
    lblReceiversRead->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReceiversRead->setFixedHeight(3 * lblReceiversRead->fontMetrics().lineSpacing());
    lblReceiversRead->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblReceiversRead->setFocusPolicy(Qt::TabFocus);
    lblReceiversRead->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                              Qt::TextSelectableByMouse);
    lblReceiversRead->setAccessibleDescription(QStringLiteral("What receiving stations read"));
    right->addWidget(lblReceiversRead);

    lblWarning = warning("lblWarning");
    right->addWidget(lblWarning);
    lblCharacterWarning = warning("lblCharacterWarning");
    lblCharacterWarning->hide();
    right->addWidget(lblCharacterWarning);

    cmdCopyToClipboard = named(new QPushButton, QStringLiteral("cmdCopyToClipboard"));
    // The program's main action, from any page: it shows the General page, which
    // assembles the comment, and presses the button there.
    auto *copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copy, &QShortcut::activated, this, [this] {
        SSTab1->setCurrentIndex(0);
        cmdCopyToClipboard->animateClick();
    });
    cmdCopyToClipboard->setToolTip(QStringLiteral("Copy the comment to the clipboard (%1)")
                                       .arg(copy->key().toString(QKeySequence::NativeText)));
    auto *copyRow = new QHBoxLayout;
    copyRow->addStretch();
    copyRow->addWidget(cmdCopyToClipboard);
    right->addLayout(copyRow);

    const QColor green(0, 255, 0);
    const QColor orange(255, 128, 0);
    auto *radios = new QGridLayout;
    // Each example line is as wide as the radio's display, in the fixed-pitch font.
    auto addRadio = [&](int row, int column, const char *name, const char *caption,
                        const char *lineName, const char *radioName, auto &lines, int width,
                        const QColor &colour) {
        radios->addWidget(label(name, nullptr, QLatin1String(caption)), row, column);
        for (int i = 0; i < int(lines.size()); ++i) {
            QLabel *line = example(
                QStringLiteral("%1_L%2").arg(QLatin1String(lineName)).arg(i + 1),
                QStringLiteral("%1 display, line %2").arg(QLatin1String(radioName)).arg(i + 1),
                colour, fixedPitch);
            line->setFixedWidth(
                line->fontMetrics().horizontalAdvance(QString(width, QLatin1Char('0'))) + 10);
            line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            lines[size_t(i)] = line;
            radios->addWidget(line, row + i + 1, column, 1, column == 0 && width > 20 ? 3 : 1);
        }
    };
    addRadio(0, 0, "lblTHD7", "THD7", "lblTHD7_example", "TH-D7", lblTHD7_example, 12, green);
    addRadio(0, 1, "lblTMD700", "TMD700", "lblTMD700_Example", "TM-D700", lblTMD700_Example, 14,
             orange);
    addRadio(4, 0, "lblTMD710", "TMD710", "lblTMD710_Example", "TM-D710", lblTMD710_Example, 42,
             green);
    radios->setColumnStretch(2, 1);
    right->addLayout(radios);
    right->addStretch();
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
    return page;
}

QWidget *Form1::build_phgPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroPHG = intro("lblIntroPHG"));

    auto *row = new QHBoxLayout;
    auto *lists = new QGridLayout;
    lstPower = list("lstPower");
    lstHeight = list("lstHeight");
    lstGain = list("lstGain");
    lists->addWidget(lblPHGPower = label("lblPHGPower", lstPower), 0, 0);
    lists->addWidget(lstPower, 1, 0);
    lists->addWidget(lblPHGHeight = label("lblPHGHeight", lstHeight), 0, 1);
    lists->addWidget(lstHeight, 1, 1);
    lists->addWidget(lblPHGGain = label("lblPHGGain", lstGain), 0, 2);
    lists->addWidget(lstGain, 1, 2);
    lstPower->setMinimumContentsLength(8);
    lstHeight->setMinimumContentsLength(19);
    lstGain->setMinimumContentsLength(6);

    chkRate = named(new QCheckBox, QStringLiteral("chkRate"));
    lstRate = list("lstRate");
    lstRate->setMinimumContentsLength(4);
    lists->addWidget(chkRate, 2, 0);
    lists->addWidget(lblRate = label("lblRate", lstRate), 3, 0);
    lists->addWidget(lstRate, 4, 0);

    txtPHG = readOnlyBox("txtPHG");
    lists->addWidget(label("Label1", txtPHG, QStringLiteral("PHG")), 3, 1);
    lists->addWidget(txtPHG, 4, 1);
    lblPHGRange = named(new QLabel, QStringLiteral("lblPHGRange"));
    lblPHGRange->setAccessibleDescription(QStringLiteral("Estimated radio range"));
    lblPHGRange->setToolTip(QStringLiteral("The range APRS programs draw for these PHG codes"));
    // Its length changes with the direction and the language: it wraps within room
    // kept for two lines instead of widening the window.
    lblPHGRange->setWordWrap(true);
    lblPHGRange->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPHGRange->setMinimumHeight(2 * lblPHGRange->fontMetrics().lineSpacing());
    lblPHGRange->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lists->addWidget(lblPHGRange, 4, 2, 1, 2);
    lists->setColumnStretch(3, 1);
    lists->setRowStretch(5, 1);
    row->addLayout(lists, 1);

    // The direction options sit as on a compass, OMNI in the middle.
    auto *compass = new QGridLayout;
    compass->addWidget(lblPHGDirection = label("lblPHGDirection"), 0, 0, 1, 3);
    static constexpr int place[9][2] = {{2, 1}, {1, 2}, {2, 2}, {3, 2}, {3, 1},
                                        {3, 0}, {2, 0}, {1, 0}, {1, 1}};
    for (int i = 0; i < int(optDirection.size()); ++i) {
        const QString name = indexed("optDirection", i);
        optDirection[size_t(i)] = named(new QRadioButton, name);
        compass->addWidget(optDirection[size_t(i)], place[i][0], place[i][1]);
    }
    compass->setRowStretch(4, 1);
    row->addLayout(compass);
    layout->addLayout(row, 1);

    return page;
}

QWidget *Form1::build_altitudePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroAltitude = intro("lblIntroAltitude"));
    auto *grid = new QGridLayout;
    txtAltitude = readOnlyBox("txtAltitude");
    txtAltFeet = named(new QLineEdit, QStringLiteral("txtAltFeet"));
    txtAltMeters = named(new QLineEdit, QStringLiteral("txtAltMeters"));
    for (QLineEdit *box : {txtAltFeet, txtAltMeters}) {
        box->setValidator(new RuleValidator(&Altitude::edited_text, box));
        // What the rule refuses, and Enter, is dropped with a beep.
        connect(box, &QLineEdit::inputRejected, this, &QApplication::beep);
        connect(box, &QLineEdit::returnPressed, this, &QApplication::beep);
    }
    grid->addWidget(label("Label8", txtAltitude, QStringLiteral("Altitude")), 0, 0);
    grid->addWidget(txtAltitude, 0, 1);
    grid->addWidget(lblAltFeet = label("lblAltFeet", txtAltFeet), 1, 0);
    grid->addWidget(txtAltFeet, 1, 1);
    grid->addWidget(lblAltMeters = label("lblAltMeters", txtAltMeters), 2, 0);
    grid->addWidget(txtAltMeters, 2, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *Form1::build_frequencyPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroOperFreq = intro("lblIntroOperFreq"));
    auto *grid = new QGridLayout;
    lstBand = list("lstBand");
    lstBand->setMinimumContentsLength(24);
    lstStep = list("lstStep");
    lstFrequency = list("lstFrequency");
    frequencyModel = new QStringListModel(this);
    lstFrequency->setModel(frequencyModel);
    lstTone = list("lstTone");
    chkTone = named(new QCheckBox(QStringLiteral("Tone")), QStringLiteral("chkTone"));
    chkCTCSS = named(new QCheckBox(QStringLiteral("CTCSS")), QStringLiteral("chkCTCSS"));
    grid->addWidget(lblOperFreqBand = label("lblOperFreqBand", lstBand), 0, 0);
    grid->addWidget(lstBand, 0, 1);
    grid->addWidget(lblOperFreqStep = label("lblOperFreqStep", lstStep), 1, 0);
    grid->addWidget(lstStep, 1, 1);
    grid->addWidget(lblOperFreqSelectFreq = label("lblOperFreqSelectFreq", lstFrequency), 2, 0);
    grid->addWidget(lstFrequency, 2, 1);
    for (int i = 0; i < int(optWideFM.size()); ++i) {
        const QString name = indexed("optWideFM", i);
        optWideFM[size_t(i)] = named(new QRadioButton, name);
        grid->addWidget(optWideFM[size_t(i)], 2 + i, 2);
    }
    grid->addWidget(chkTone, 4, 0);
    grid->addWidget(chkCTCSS, 5, 0);
    grid->addWidget(lstTone, 4, 1);
    lstTone->setAccessibleDescription(QStringLiteral("Tone"));
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *Form1::build_extFrequencyPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroExtOprFreq = intro("lblIntroExtOprFreq"));
    auto *grid = new QGridLayout;
    lstOffset = list("lstOffset");
    lstOffset->setMinimumContentsLength(10);
    spnOffset = named(new QSpinBox, QStringLiteral("spnOffset"));
    spnOffset->setRange(-9990, 9990);
    spnOffset->setSingleStep(10);
    spnOffset->setSuffix(QStringLiteral(" kHz"));
    spnOffset->setAccessibleDescription(QStringLiteral("Repeater offset in kHz"));
    lstDCS = list("lstDCS");
    lstDCS->setMinimumContentsLength(6);
    spnRange = named(new QSpinBox, QStringLiteral("spnRange"));
    spnRange->setRange(0, 99);
    lstRangeUnit = list("lstRangeUnit");
    lstRangeUnit->setMinimumContentsLength(6);
    lstRangeUnit->setAccessibleDescription(QStringLiteral("Unit of the range"));
    grid->addWidget(lblExtOffset = label("lblExtOffset", lstOffset), 0, 0);
    grid->addWidget(lstOffset, 0, 1);
    grid->addWidget(spnOffset, 0, 2);
    grid->addWidget(lblExtDCS = label("lblExtDCS", lstDCS), 1, 0);
    grid->addWidget(lstDCS, 1, 1);
    grid->addWidget(lblExtRange = label("lblExtRange", spnRange), 2, 0);
    grid->addWidget(spnRange, 2, 1);
    grid->addWidget(lstRangeUnit, 2, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *Form1::build_freeTextPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblIntroFreeText = intro("lblIntroFreeText"));
    txtYourBeaconComment = named(new QLineEdit, QStringLiteral("txtYourBeaconComment"));
    // The free text takes only what can be typed.
    txtYourBeaconComment->setValidator(new RuleValidator(
        [](const QString &text) { return std::optional(Module1::typeable_text(text)); },
        txtYourBeaconComment));
    auto *row = new QHBoxLayout;
    row->addWidget(lblYourComment = label("lblYourComment", txtYourBeaconComment));
    row->addWidget(txtYourBeaconComment, 1);
    layout->addLayout(row);
    lblFreeTextWarning = warning("lblFreeTextWarning");
    layout->addWidget(lblFreeTextWarning);
    layout->addStretch();
    return page;
}

void Form1::build_menus()
{
    mnuFile = named(menuBar()->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFile"));
    mnuFileExit = named(mnuFile->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuFileExit"));
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuOptions = named(menuBar()->addMenu(QStringLiteral("Options")), QStringLiteral("mnuOptions"));
    mnuOptionsLang = named(mnuOptions->addMenu(QStringLiteral("Set Language")),
                           QStringLiteral("mnuOptionsLang"));
    // Entry 0 is a placeholder that is never shown; languages follow from entry 1 on.
    QAction *placeholder = mnuOptionsLang->addAction(QStringLiteral("aaa"));
    placeholder->setObjectName(indexed("mnuOptionsLangList", 0));
    placeholder->setVisible(false);
    mnuOptionsLangList.push_back(placeholder);
    mnuOptionsStandardAltitude = named(mnuOptions->addAction(adviceTexts.standardAltitude),
                                       QStringLiteral("mnuOptionsStandardAltitude"));
    mnuOptionsStandardAltitude->setCheckable(true);

    mnuHelp = named(menuBar()->addMenu(QStringLiteral("Help")), QStringLiteral("mnuHelp"));
    mnuHelpHelp = named(mnuHelp->addAction(QStringLiteral("&Help")), QStringLiteral("mnuHelpHelp"));
    mnuHelpHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAbout = named(mnuHelp->addAction(QString()), QStringLiteral("mnuHelpAbout"));
    mnuHelpUpdate = named(mnuHelp->addAction(QString()), QStringLiteral("mnuHelpUpdate"));
}

void Form1::add_languageEntries(const QStringList &names)
{
    languageNames = names;
    for (const QString &name : names) {
        QAction *entry = mnuOptionsLang->addAction(name);
        entry->setObjectName(indexed("mnuOptionsLangList", int(mnuOptionsLangList.size())));
        entry->setCheckable(true);
        mnuOptionsLangList.push_back(entry);
    }
    mnuOptionsLangList.front()->setVisible(false);
}

// Handlers are connected after start-up has filled the controls; start-up itself
// calls the handlers it needs, in the order the controls are set.
void Form1::connect_controls()
{
    for (int i = 0; i < int(Check1.size()); ++i)
        connect(Check1[size_t(i)], &QCheckBox::stateChanged, this, [this, i] { Check1_Click(i); });
    connect(txtYourBeaconComment, &QLineEdit::textChanged, this,
            &Form1::txtYourBeaconComment_Change);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &Form1::cmdCopyToClipboard_Click);

    connect(lstPower, &QComboBox::currentIndexChanged, this, &Form1::lstPower_Click);
    connect(lstHeight, &QComboBox::currentIndexChanged, this, &Form1::lstHeight_Click);
    connect(lstGain, &QComboBox::currentIndexChanged, this, &Form1::lstGain_Click);
    connect(lstRate, &QComboBox::currentIndexChanged, this, &Form1::lstRate_Click);
    connect(chkRate, &QCheckBox::stateChanged, this, &Form1::chkRate_Click);
    for (int i = 0; i < int(optDirection.size()); ++i)
        connect(optDirection[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optDirection_Click(i);
        });
    connect(txtAltFeet, &QLineEdit::textEdited, this, &Form1::txtAltFeet_KeyUp);
    connect(txtAltMeters, &QLineEdit::textEdited, this, &Form1::txtAltMeters_KeyUp);

    connect(lstBand, &QComboBox::currentIndexChanged, this, &Form1::lstBand_Click);
    connect(lstStep, &QComboBox::currentIndexChanged, this, &Form1::lstStep_Click);
    connect(lstFrequency, &QComboBox::currentIndexChanged, this, &Form1::lstFrequency_Click);
    connect(lstTone, &QComboBox::currentIndexChanged, this, &Form1::lstTone_Click);
    connect(chkTone, &QCheckBox::stateChanged, this, &Form1::chkTone_Click);
    connect(chkCTCSS, &QCheckBox::stateChanged, this, &Form1::chkCTCSS_Click);
    for (int i = 0; i < int(optWideFM.size()); ++i)
        connect(optWideFM[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optWideFM_Click(i);
        });

    connect(lstOffset, &QComboBox::currentIndexChanged, this, &Form1::lstOffset_Click);
    connect(spnOffset, &QSpinBox::valueChanged, this, &Form1::spnOffset_Change);
    connect(spnOffset, &QSpinBox::editingFinished, this, [this] { show_offset(); });
    connect(lstDCS, &QComboBox::currentIndexChanged, this, &Form1::lstDCS_Click);
    connect(spnRange, &QSpinBox::valueChanged, this, &Form1::spnRange_Change);
    connect(lstRangeUnit, &QComboBox::currentIndexChanged, this, &Form1::lstRangeUnit_Click);

    connect(SSTab1, &QTabWidget::currentChanged, this, &Form1::SSTab1_Click);
    connect(mnuFileExit, &QAction::triggered, this, &Form1::mnuFileExit_Click);
    connect(mnuOptionsStandardAltitude, &QAction::triggered, this,
            &Form1::mnuOptionsStandardAltitude_Click);
    for (int i = 1; i < int(mnuOptionsLangList.size()); ++i)
        connect(mnuOptionsLangList[size_t(i)], &QAction::triggered, this,
                [this, i] { mnuOptionsLangList_Click(i); });
    connect(mnuHelpHelp, &QAction::triggered, this, &Form1::mnuHelpHelp_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
    connect(mnuHelpUpdate, &QAction::triggered, this, &Form1::mnuHelpUpdate_Click);
    // No second check while one runs.
    connect(context.objUpdate.get(), &clsUpdate::started, mnuHelpUpdate,
            [this] { mnuHelpUpdate->setEnabled(false); });
    connect(context.objUpdate.get(), &clsUpdate::finished, mnuHelpUpdate,
            [this] { mnuHelpUpdate->setEnabled(true); });
}

// ---- start-up ------------------------------------------------------------------

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

    const QString unreadable = LoadSettings(state, context.iniFile, *context.objLanguage);
    if (!unreadable.isEmpty()) {
        log_event(QStringLiteral("E"), unreadable);
        platform.messages.show(unreadable, MessageBox::Icon::Critical, context.programTitle);
    }
    init_controls(Module1::prepare_beacon(state, QLocale()).channelEntries);
    // A settings file of its own (another beacon's) is named in the title.
    setWindowTitle(context.iniFileGiven ? context.programTitle + QStringLiteral(" - ") +
                                              QFileInfo(context.iniFile).fileName()
                                        : context.programTitle);
    translate_mainWindow();
    show_advice();
    update_beaconComment();
}

// Fills every control from the prepared state. No handler is connected yet, so
// nothing here changes the state.
void Form1::init_controls(const QStringList &channelEntries)
{
    QStringList bandEntries;
    for (const BandPlan &band : state.bands)
        bandEntries << Frequency::band_entry(band);
    fill(lstBand, bandEntries);
    lstBand->setCurrentIndex(state.band);
    lblWarning->hide();

    fill(lstStep, Frequency::step_entries());
    lstStep->setCurrentIndex(state.step);
    frequencyModel->setStringList(channelEntries);
    lstFrequency->setCurrentIndex(state.frequency);
    fill(lstTone, Frequency::tone_entries());
    lstTone->setCurrentIndex(state.tone);
    show_toneTicks();
    optWideFM[state.wideFM ? 1 : 0]->setChecked(true);
    // The offset and DCS lists hold translated entries: translate_additions fills them.
    spnRange->setValue(state.range);
    fill(lstRangeUnit, {QStringLiteral("mi"), QStringLiteral("km")});
    lstRangeUnit->setCurrentIndex(state.rangeKm ? 1 : 0);

    fill(lstPower, Phg::power_entries());
    fill(lstHeight, Phg::height_entries(QLocale()));
    fill(lstGain, Phg::gain_entries());
    lstPower->setCurrentIndex(state.phgPower);
    lstHeight->setCurrentIndex(Phg::height_position(state.phgHeight));
    lstGain->setCurrentIndex(state.phgGain);
    optDirection[size_t(state.phgDirection)]->setChecked(true);
    chkRate->setChecked(state.rateSelected);
    fill(lstRate, Phg::rate_entries());
    lstRate->setCurrentIndex(Phg::rate_position(state));
    txtPHG->setText(state.phgText);

    mnuOptionsStandardAltitude->setChecked(state.standardAltitude);
    const Altitude::BoxUpdate boxes = Altitude::restored_boxes(state);
    txtAltFeet->setText(boxes.feetBox);
    txtAltMeters->setText(boxes.metersBox);
    txtAltitude->setText(state.altitudeText);

    const std::array<bool, 5> ticked = {state.phgSelected, state.altitudeSelected,
                                        state.operFrequencySelected, state.extOperFrequencySelected,
                                        state.freeTextSelected};
    for (size_t i = 0; i < Check1.size(); ++i)
        Check1[i]->setChecked(ticked[i]);

    txtYourBeaconComment->setText(state.freeText);
    SSTab1->setCurrentIndex(0);
}

void Form1::translate_mainWindow()
{
    clsLanguage &language = *context.objLanguage;
    language.translate_start();
    QHash<QString, QString> translated;
    for (const WindowText &row : window_texts()) {
        const QString text =
            language.translate(row.keyText(), row.defaultText(), row.descriptionText());
        row.set(*this, text);
        translated.insert(row.keyText(), text);
    }
    translate_additions(translated);
    refresh_accessibility();

    if (language.translate_errors() > 0) {
        platform.messages.show(language.translate_errorreport(
                                   ProgramIdentity::executable_baseName() + QStringLiteral(".log")),
                               MessageBox::Icon::Information, context.programTitle);
        log_event(QStringLiteral("W"), language.translate_logentry());
    }
}

// Texts beyond the window's 48: a language file may leave them out, and then they
// stay English without a word.
void Form1::translate_additions(const QHash<QString, QString> &translated)
{
    static constexpr std::pair<const char *, QString AdviceTexts::*> keys[] = {
        {"ADD0001", &AdviceTexts::range},
        {"ADD0002", &AdviceTexts::shifted},
        {"ADD0003", &AdviceTexts::notAllowed},
        {"ADD0004", &AdviceTexts::notShown},
        {"ADD0005", &AdviceTexts::standardAltitude},
        {"ADD0006", &AdviceTexts::receiversRead},
        {"ADD0007", &AdviceTexts::phgRead},
        {"ADD0008", &AdviceTexts::rateRead},
        {"ADD0009", &AdviceTexts::phgRateMisread},
        {"ADD0010", &AdviceTexts::frequencyRead},
        {"ADD0011", &AdviceTexts::toneRead},
        {"ADD0012", &AdviceTexts::squelchRead},
        {"ADD0014", &AdviceTexts::frequencyNotRead},
        {"ADD0015", &AdviceTexts::altitudeRead},
        {"ADD0016", &AdviceTexts::altitudeNotRead},
        {"ADD0017", &AdviceTexts::onlyText},
        {"ADD0018", &AdviceTexts::qsyRead},
        {"ADD0019", &AdviceTexts::dcsRead},
        {"ADD0020", &AdviceTexts::offsetRead},
        {"ADD0021", &AdviceTexts::rangeRead},
        {"ADD0022", &AdviceTexts::altitudeSomeRead},
        {"ADD0023", &AdviceTexts::altitudeCut},
        {"ADD0024", &AdviceTexts::nothingToRead},
        {"ADD0025", &AdviceTexts::extDescription},
        {"ADD0026", &AdviceTexts::repeaterOffset},
        {"ADD0027", &AdviceTexts::dcsCode},
        {"ADD0028", &AdviceTexts::range},
        {"ADD0029", &AdviceTexts::none}};
    const AdviceTexts english;
    for (const auto &[key, text] : keys)
        adviceTexts.*text = Advice::translated_orEnglish(
            context.objLanguage->translate_optional(QLatin1String(key), english.*text),
            english.*text);
    // The range text names a direction as its button does, in the same language.
    for (size_t i = 0; i < adviceTexts.directions.size(); ++i)
        adviceTexts.directions[i] = Advice::direction_name(
            translated.value(QStringLiteral("ITEM%1").arg(10 + i, 4, 10, QLatin1Char('0'))));
    mnuOptionsStandardAltitude->setText(adviceTexts.standardAltitude);
    lblIntroExtOprFreq->setText(adviceTexts.extDescription);
    lblExtOffset->setText(adviceTexts.repeaterOffset);
    lblExtDCS->setText(adviceTexts.dcsCode);
    lblExtRange->setText(adviceTexts.range);
    spnRange->setSpecialValueText(adviceTexts.none);
    QStringList codes{adviceTexts.none};
    for (const qint16 code : Frequency::dcs_codes())
        codes << Frequency::dcs_text(code);
    fill(lstDCS, codes);
    lstDCS->setCurrentIndex(Frequency::dcs_entry(state.dcsCode));
    show_offset();
}

// A combo box reports its current entry as its name, so its label goes into the
// description for screen readers.
void Form1::refresh_accessibility()
{
    for (const auto &[caption, box] : listLabels)
        box->setAccessibleDescription(caption->text().remove(QLatin1Char('&')));
}

// The lists' captions, whose texts the lists carry as descriptions.
void Form1::collect_listLabels()
{
    const QList<QLabel *> captions = findChildren<QLabel *>();
    for (QLabel *caption : captions) {
        if (auto *box = qobject_cast<QComboBox *>(caption->buddy()))
            listLabels.emplace_back(caption, box);
    }
}

// ---- General page ---------------------------------------------------------------

void Form1::update_beaconComment()
{
    assembled = Module1::assemble_beaconComment(state, adviceTexts);
    const BeaconComment &result = assembled;
    txtBcnComment->setText(result.comment);
    lblReceiversRead->setText(Receivers::describe(Receivers::read(result.comment, result.shortened),
                                                  adviceTexts, QLocale()));
    lblWarning->setVisible(result.shortened);
    lblCharacterWarning->setText(result.characterWarning);
    lblCharacterWarning->setVisible(!result.characterWarning.isEmpty());
    for (size_t i = 0; i < lblTHD7_example.size(); ++i)
        lblTHD7_example[i]->setText(result.thd7[i]);
    for (size_t i = 0; i < lblTMD700_Example.size(); ++i)
        lblTMD700_Example[i]->setText(result.tmd700[i]);
    for (size_t i = 0; i < lblTMD710_Example.size(); ++i)
        lblTMD710_Example[i]->setText(result.tmd710[i]);
}

void Form1::Check1_Click(int index)
{
    const bool ticked = Check1[size_t(index)]->checkState() == Qt::Checked;
    bool *flags[] = {&state.phgSelected, &state.altitudeSelected, &state.operFrequencySelected,
                     &state.extOperFrequencySelected, &state.freeTextSelected};
    *flags[index] = ticked;
    update_beaconComment();
}

void Form1::txtYourBeaconComment_Change()
{
    state.freeText = txtYourBeaconComment->text();
    show_advice();
}

void Form1::cmdCopyToClipboard_Click()
{
    platform.clipboard.setText(assembled.comment);
}

// ---- PHG page -------------------------------------------------------------------

void Form1::update_PHG()
{
    Phg::update_PHG(state);
    txtPHG->setText(state.phgText);
    show_advice();
}

void Form1::lstPower_Click()
{
    state.phgPower = qint16(lstPower->currentIndex());
    update_PHG();
}

void Form1::lstHeight_Click()
{
    state.phgHeight = Phg::height_code(lstHeight->currentIndex());
    update_PHG();
}

void Form1::lstGain_Click()
{
    state.phgGain = qint16(lstGain->currentIndex());
    update_PHG();
}

void Form1::optDirection_Click(int index)
{
    state.phgDirection = qint16(index);
    update_PHG();
}

void Form1::chkRate_Click()
{
    state.rateSelected = chkRate->checkState() == Qt::Checked;
    update_PHG();
}

void Form1::lstRate_Click()
{
    state.rateCode = quint8(state.rateCodes.at(lstRate->currentIndex()));
    update_PHG();
}

// The range estimate and the free text's character warning, in the window's language.
void Form1::show_advice()
{
    lblPHGRange->setText(Advice::phg_rangeText(state.phgPower,
                                               Phg::height_position(state.phgHeight), state.phgGain,
                                               state.phgDirection, QLocale(), adviceTexts));
    lblFreeTextWarning->setText(Advice::freeText_warning(state.freeText, adviceTexts));
}

// ---- Altitude page --------------------------------------------------------------

void Form1::txtAltFeet_KeyUp()
{
    const Altitude::BoxUpdate boxes =
        Altitude::feet_typed(state, txtAltFeet->text(), txtAltMeters->text());
    if (boxes.feetBox != txtAltFeet->text())
        txtAltFeet->setText(boxes.feetBox);
    txtAltitude->setText(state.altitudeText);
}

void Form1::txtAltMeters_KeyUp()
{
    const Altitude::BoxUpdate boxes = Altitude::meters_typed(state, txtAltMeters->text());
    if (boxes.metersBox != txtAltMeters->text())
        txtAltMeters->setText(boxes.metersBox);
    txtAltFeet->clear();
    txtAltitude->setText(state.altitudeText);
}

// ---- Operating Frequency page ----------------------------------------------------

void Form1::build_FrequencyList()
{
    const QStringList entries = Frequency::build_FrequencyList(state, QLocale());
    // The whole list goes in at once, with the channel the state selected.
    const QSignalBlocker quiet(lstFrequency);
    frequencyModel->setStringList(entries);
    lstFrequency->setCurrentIndex(state.frequency);
    show_offset(); // the usual shifts of the new band come first
}

void Form1::lstBand_Click()
{
    state.band = qint16(lstBand->currentIndex());
    build_FrequencyList();
}

void Form1::lstStep_Click()
{
    state.step = qint16(lstStep->currentIndex());
    build_FrequencyList();
}

void Form1::lstFrequency_Click()
{
    state.frequency = qint16(lstFrequency->currentIndex());
}

void Form1::lstTone_Click()
{
    state.tone = qint16(lstTone->currentIndex());
}

void Form1::chkTone_Click()
{
    Frequency::tone_ticked(state, chkTone->checkState() == Qt::Checked);
    show_toneTicks();
}

void Form1::chkCTCSS_Click()
{
    Frequency::ctcss_ticked(state, chkCTCSS->checkState() == Qt::Checked);
    show_toneTicks();
}

void Form1::show_toneTicks()
{
    const QSignalBlocker quietTone(chkTone);
    const QSignalBlocker quietCtcss(chkCTCSS);
    chkTone->setChecked(state.toneSelected);
    chkCTCSS->setChecked(state.ctcssSelected);
}

void Form1::optWideFM_Click(int index)
{
    state.wideFM = index != 0;
}

// ---- Ext. Operating Frequency page -----------------------------------------------

void Form1::lstOffset_Click()
{
    state.repeaterOffset = Frequency::offset_atEntry(
        state.bands[size_t(state.band)], lstOffset->currentIndex(), state.repeaterOffset);
    show_offset();
}

// While an amount is typed, only the list follows it; the box shows whole 10 kHz
// steps once the typing is done.
void Form1::spnOffset_Change()
{
    state.repeaterOffset = qint16(spnOffset->value() / 10);
    show_offset(false);
}

// The offset's list shows the usual shifts of the band, the box any amount.
void Form1::show_offset(bool withBox)
{
    const BandPlan &band = state.bands[size_t(state.band)];
    QStringList entries{adviceTexts.none};
    for (const Frequency::OffsetPreset &preset : Frequency::offset_presets(band))
        entries << preset.text;
    QStringList shown;
    for (int i = 0; i < lstOffset->count(); ++i)
        shown << lstOffset->itemText(i);
    if (entries != shown) // the band or the language changed
        fill(lstOffset, entries);
    const QSignalBlocker quietList(lstOffset);
    const QSignalBlocker quietBox(spnOffset);
    lstOffset->setCurrentIndex(Frequency::offset_entry(band, state.repeaterOffset));
    if (withBox)
        spnOffset->setValue(state.repeaterOffset * 10);
}

void Form1::lstDCS_Click()
{
    state.dcsCode = Frequency::dcs_atEntry(lstDCS->currentIndex());
}

void Form1::spnRange_Change()
{
    state.range = qint16(spnRange->value());
}

void Form1::lstRangeUnit_Click()
{
    state.rangeKm = lstRangeUnit->currentIndex() == 1;
}

// ---- shell ----------------------------------------------------------------------

void Form1::SSTab1_Click(int index)
{
    if (index == 0)
        update_beaconComment();
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

void Form1::mnuOptionsStandardAltitude_Click()
{
    state.standardAltitude = mnuOptionsStandardAltitude->isChecked();
    state.standardAltitudeStored = true;
    Altitude::repad(state);
    txtAltitude->setText(state.altitudeText);
    update_beaconComment();
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

void Form1::mnuOptionsLangList_Click(int index)
{
    for (int i = 0; i < int(mnuOptionsLangList.size()); ++i)
        mnuOptionsLangList[size_t(i)]->setChecked(i == index);
    context.objLanguage->language(languageNames.at(index - 1));
    translate_mainWindow();
    // The advice follows the language at once. Assembling again shows nothing that
    // the General page would not show on its next visit anyway.
    show_advice();
    update_beaconComment();
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
