#include "ExtFrequencyPage.h"

#include "Controls.h"
#include "beacon/Frequency.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Controls;

ExtFrequencyPage::ExtFrequencyPage(BeaconState &state) : state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroExtOprFreq = intro("lblIntroExtOprFreq"));
    auto *grid = new QGridLayout;
    lstOffset = list("lstOffset", 10);
    spnOffset = new QSpinBox;
    spnOffset->setObjectName(QStringLiteral("spnOffset"));
    spnOffset->setRange(-9990, 9990);
    spnOffset->setSingleStep(10);
    spnOffset->setSuffix(QStringLiteral(" kHz"));
    spnOffset->setAccessibleDescription(QStringLiteral("Repeater offset in kHz"));
    lstDCS = list("lstDCS", 6);
    spnRange = new QSpinBox;
    spnRange->setObjectName(QStringLiteral("spnRange"));
    spnRange->setRange(0, 99);
    spnRange->setValue(state.range);
    lstRangeUnit = list("lstRangeUnit", 6);
    lstRangeUnit->setAccessibleDescription(QStringLiteral("Unit of the range"));
    fill(lstRangeUnit, {QStringLiteral("mi"), QStringLiteral("km")});
    lstRangeUnit->setCurrentIndex(state.rangeKm ? 1 : 0);
    // The offset and DCS lists begin with "none" in the window's language: translate fills them.
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

    connect(lstOffset, &QComboBox::currentIndexChanged, this, &ExtFrequencyPage::lstOffset_Click);
    connect(spnOffset, &QSpinBox::valueChanged, this, &ExtFrequencyPage::spnOffset_Change);
    connect(spnOffset, &QSpinBox::editingFinished, this, [this] { show_offset(); });
    connect(lstDCS, &QComboBox::currentIndexChanged, this, &ExtFrequencyPage::lstDCS_Click);
    connect(spnRange, &QSpinBox::valueChanged, this, &ExtFrequencyPage::spnRange_Change);
    connect(lstRangeUnit, &QComboBox::currentIndexChanged, this,
            &ExtFrequencyPage::lstRangeUnit_Click);
}

void ExtFrequencyPage::translate(const Captions &c)
{
    lblIntroExtOprFreq->setText(c[TextId::ADD0025]);
    lblExtOffset->setText(c[TextId::ADD0026]);
    lblExtDCS->setText(c[TextId::ADD0027]);
    lblExtRange->setText(c[TextId::ADD0028]);
    none = c[TextId::ADD0029];
    spnRange->setSpecialValueText(none);
    QStringList codes{none};
    for (const qint16 code : Frequency::dcs_codes())
        codes << Frequency::dcs_text(code);
    fill(lstDCS, codes);
    lstDCS->setCurrentIndex(Frequency::dcs_entry(state.dcsCode));
    show_offset();
}

void ExtFrequencyPage::show_offset(bool withBox)
{
    const BandPlan &band = state.bands[size_t(state.band)];
    QStringList entries{none};
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

void ExtFrequencyPage::lstOffset_Click()
{
    state.repeaterOffset = Frequency::offset_atEntry(
        state.bands[size_t(state.band)], lstOffset->currentIndex(), state.repeaterOffset);
    show_offset();
}

// While an amount is typed, only the list follows it; the box shows whole 10 kHz
// steps once the typing is done.
void ExtFrequencyPage::spnOffset_Change()
{
    state.repeaterOffset = qint16(spnOffset->value() / 10);
    show_offset(false);
}

void ExtFrequencyPage::lstDCS_Click()
{
    state.dcsCode = Frequency::dcs_atEntry(lstDCS->currentIndex());
}

void ExtFrequencyPage::spnRange_Change()
{
    state.range = qint16(spnRange->value());
}

void ExtFrequencyPage::lstRangeUnit_Click()
{
    state.rangeKm = lstRangeUnit->currentIndex() == 1;
}
