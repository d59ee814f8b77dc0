#include "GeneralPage.h"

#include "Controls.h"
#include "beacon/Receivers.h"
#include "platform/Clipboard.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The radios' displays: green for the TH-D7 and TM-D710, orange for the TM-D700.
const QColor displayColours[Module1::radioCount] = {QColor(0, 255, 0), QColor(255, 128, 0),
                                                    QColor(0, 255, 0)};
// Where each radio's example stands: row, column, columns spanned.
constexpr int displayPlaces[Module1::radioCount][3] = {{0, 0, 1}, {0, 1, 1}, {4, 0, 3}};
// Example lines are named after the radio's caption, as "lblTHD7_example_L1".
const char *const lineNames[Module1::radioCount] = {"lblTHD7_example", "lblTMD700_Example",
                                                    "lblTMD710_Example"};

} // namespace

GeneralPage::GeneralPage(BeaconState &state, const Advice::Texts &advice, Clipboard &clipboard)
    : state(state), advice(advice), clipboard(clipboard)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroGeneral = intro("lblIntroGeneral"));

    auto *columns = new QHBoxLayout;
    auto *elements = new QVBoxLayout;
    const std::array<bool, 5> ticked = {state.phgSelected, state.altitudeSelected,
                                        state.operFrequencySelected, state.extOperFrequencySelected,
                                        state.freeTextSelected};
    for (int i = 0; i < int(Check1.size()); ++i) {
        QCheckBox *box = Check1[size_t(i)] = new QCheckBox;
        box->setObjectName(indexed("Check1", i));
        box->setChecked(ticked[size_t(i)]);
        connect(box, &QCheckBox::stateChanged, this, [this, i] { Check1_Click(i); });
        elements->addWidget(box);
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
    lblReceiversRead = label("lblReceiversRead");
    lblReceiversRead->setWordWrap(true);
    lblReceiversRead->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReceiversRead->setFixedHeight(3 * lblReceiversRead->fontMetrics().lineSpacing());
    lblReceiversRead->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblReceiversRead->setFocusPolicy(Qt::TabFocus);
    lblReceiversRead->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                              Qt::TextSelectableByMouse);
    lblReceiversRead->setAccessibleDescription(QStringLiteral("What receiving stations read"));
    right->addWidget(lblReceiversRead);

    right->addWidget(lblWarning = warning("lblWarning", QColor(255, 0, 0)));
    lblWarning->hide();
    right->addWidget(lblCharacterWarning = warning("lblCharacterWarning", QColor(0xb0, 0, 0)));
    lblCharacterWarning->hide();

    cmdCopyToClipboard = new QPushButton;
    cmdCopyToClipboard->setObjectName(QStringLiteral("cmdCopyToClipboard"));
    cmdCopyToClipboard->setToolTip(QStringLiteral("Copy the comment to the clipboard (%1)")
                                       .arg(copyKeys().toString(QKeySequence::NativeText)));
    connect(cmdCopyToClipboard, &QPushButton::clicked, this,
            &GeneralPage::cmdCopyToClipboard_Click);
    auto *copyRow = new QHBoxLayout;
    copyRow->addStretch();
    copyRow->addWidget(cmdCopyToClipboard);
    right->addLayout(copyRow);

    // Each example line is as wide as the radio's display, in the fixed-pitch font.
    auto *radios = new QGridLayout;
    for (int r = 0; r < Module1::radioCount; ++r) {
        const Module1::RadioDisplay &radio = Module1::radioDisplays[r];
        const int *place = displayPlaces[r];
        QLabel *caption = label("", nullptr, QLatin1String(radio.caption));
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(radio.caption));
        radios->addWidget(caption, place[0], place[1]);
        for (int i = 0; i < radio.lines; ++i) {
            auto *line = new QLabel;
            line->setObjectName(
                QStringLiteral("%1_L%2").arg(QLatin1String(lineNames[r])).arg(i + 1));
            line->setFont(fixedPitch);
            line->setAutoFillBackground(true);
            QPalette palette = line->palette();
            palette.setColor(QPalette::Window, displayColours[r]);
            palette.setColor(QPalette::WindowText, Qt::black);
            line->setPalette(palette);
            line->setIndent(4);
            line->setTextFormat(Qt::PlainText);
            line->setAccessibleDescription(
                QStringLiteral("%1 display, line %2").arg(QLatin1String(radio.model)).arg(i + 1));
            line->setFixedWidth(
                line->fontMetrics().horizontalAdvance(QString(radio.width(), QLatin1Char('0'))) +
                10);
            line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            examples[size_t(r)] << line;
            radios->addWidget(line, place[0] + i + 1, place[1], 1, place[2]);
        }
    }
    radios->setColumnStretch(2, 1);
    right->addLayout(radios);
    right->addStretch();
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
}

void GeneralPage::translate(const Captions &c)
{
    lblIntroGeneral->setText(c[TextId::ITEM0002]);
    cmdCopyToClipboard->setText(c[TextId::ITEM0003]);
    for (size_t i = 0; i < Check1.size(); ++i) // ITEM0034 to ITEM0038
        Check1[i]->setText(c[TextId(int(TextId::ITEM0034) + int(i))]);
    lblBeaconComment->setText(c[TextId::ITEM0041]);
    lblWarning->setText(c[TextId::ITEM0028]);
}

void GeneralPage::update_beaconComment()
{
    assembled = Module1::assemble_beaconComment(state, advice);
    txtBcnComment->setText(assembled.comment);
    lblReceiversRead->setText(Receivers::describe(
        Receivers::read(assembled.comment, assembled.shortened), advice, QLocale()));
    lblWarning->setVisible(assembled.shortened);
    lblCharacterWarning->setText(assembled.characterWarning);
    lblCharacterWarning->setVisible(!assembled.characterWarning.isEmpty());
    for (size_t r = 0; r < examples.size(); ++r) {
        for (int i = 0; i < examples[r].size(); ++i)
            examples[r][i]->setText(assembled.displays[r].value(i));
    }
}

void GeneralPage::copy()
{
    cmdCopyToClipboard->animateClick();
}

void GeneralPage::Check1_Click(int index)
{
    const bool ticked = Check1[size_t(index)]->checkState() == Qt::Checked;
    bool *flags[] = {&state.phgSelected, &state.altitudeSelected, &state.operFrequencySelected,
                     &state.extOperFrequencySelected, &state.freeTextSelected};
    *flags[index] = ticked;
    update_beaconComment();
}

void GeneralPage::cmdCopyToClipboard_Click()
{
    clipboard.setText(assembled.comment);
}
