#include "FrequencyPage.h"

#include "Controls.h"
#include "beacon/Frequency.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace Controls;

FrequencyPage::FrequencyPage(BeaconState &state, const QStringList &channelEntries) : state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroOperFreq = intro("lblIntroOperFreq"));
    auto *grid = new QGridLayout;
    lstBand = list("lstBand", 24);
    QStringList bandEntries;
    for (const BandPlan &band : state.bands)
        bandEntries << Frequency::band_entry(band);
    fill(lstBand, bandEntries);
    lstBand->setCurrentIndex(state.band);
    lstStep = list("lstStep");
    fill(lstStep, Frequency::step_entries());
    lstStep->setCurrentIndex(state.step);
    lstFrequency = list("lstFrequency");
    // The whole list goes in at once: thousands of entries, one model.
    frequencyModel = new QStringListModel(channelEntries, this);
    lstFrequency->setModel(frequencyModel);
    lstFrequency->setCurrentIndex(state.frequency);
    lstTone = list("lstTone");
    fill(lstTone, Frequency::tone_entries());
    lstTone->setCurrentIndex(state.tone);
    lstTone->setAccessibleDescription(QStringLiteral("Tone"));
    chkTone = new QCheckBox(QStringLiteral("Tone"));
    chkTone->setObjectName(QStringLiteral("chkTone"));
    chkCTCSS = new QCheckBox(QStringLiteral("CTCSS"));
    chkCTCSS->setObjectName(QStringLiteral("chkCTCSS"));
    show_toneTicks();
    grid->addWidget(lblOperFreqBand = label("lblOperFreqBand", lstBand), 0, 0);
    grid->addWidget(lstBand, 0, 1);
    grid->addWidget(lblOperFreqStep = label("lblOperFreqStep", lstStep), 1, 0);
    grid->addWidget(lstStep, 1, 1);
    grid->addWidget(lblOperFreqSelectFreq = label("lblOperFreqSelectFreq", lstFrequency), 2, 0);
    grid->addWidget(lstFrequency, 2, 1);
    for (int i = 0; i < int(optWideFM.size()); ++i) {
        QRadioButton *option = optWideFM[size_t(i)] = new QRadioButton;
        option->setObjectName(indexed("optWideFM", i));
        option->setChecked(i == (state.wideFM ? 1 : 0));
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optWideFM_Click(i);
        });
        grid->addWidget(option, 2 + i, 2);
    }
    grid->addWidget(chkTone, 4, 0);
    grid->addWidget(chkCTCSS, 5, 0);
    grid->addWidget(lstTone, 4, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();

    connect(lstBand, &QComboBox::currentIndexChanged, this, &FrequencyPage::lstBand_Click);
    connect(lstStep, &QComboBox::currentIndexChanged, this, &FrequencyPage::lstStep_Click);
    connect(lstFrequency, &QComboBox::currentIndexChanged, this,
            &FrequencyPage::lstFrequency_Click);
    connect(lstTone, &QComboBox::currentIndexChanged, this, &FrequencyPage::lstTone_Click);
    connect(chkTone, &QCheckBox::stateChanged, this, &FrequencyPage::chkTone_Click);
    connect(chkCTCSS, &QCheckBox::stateChanged, this, &FrequencyPage::chkCTCSS_Click);
}

void FrequencyPage::translate(const Captions &c)
{
    lblIntroOperFreq->setText(c[TextId::ITEM0024]);
    lblOperFreqSelectFreq->setText(c[TextId::ITEM0025]);
    lblOperFreqStep->setText(c[TextId::ITEM0042]);
    lblOperFreqBand->setText(c[TextId::ITEM0043]);
    optWideFM[0]->setText(c[TextId::ITEM0032]);
    optWideFM[1]->setText(c[TextId::ITEM0033]);
}

void FrequencyPage::build_FrequencyList()
{
    const QStringList entries = Frequency::build_FrequencyList(state, QLocale());
    const QSignalBlocker quiet(lstFrequency);
    frequencyModel->setStringList(entries);
    lstFrequency->setCurrentIndex(state.frequency);
    emit bandChanged(); // the usual shifts of the new band come first
}

void FrequencyPage::lstBand_Click()
{
    state.band = qint16(lstBand->currentIndex());
    build_FrequencyList();
}

void FrequencyPage::lstStep_Click()
{
    state.step = qint16(lstStep->currentIndex());
    build_FrequencyList();
}

void FrequencyPage::lstFrequency_Click()
{
    state.frequency = qint16(lstFrequency->currentIndex());
}

void FrequencyPage::lstTone_Click()
{
    state.tone = qint16(lstTone->currentIndex());
}

void FrequencyPage::chkTone_Click()
{
    Frequency::tone_ticked(state, chkTone->checkState() == Qt::Checked);
    show_toneTicks();
}

void FrequencyPage::chkCTCSS_Click()
{
    Frequency::ctcss_ticked(state, chkCTCSS->checkState() == Qt::Checked);
    show_toneTicks();
}

void FrequencyPage::show_toneTicks()
{
    const QSignalBlocker quietTone(chkTone);
    const QSignalBlocker quietCtcss(chkCTCSS);
    chkTone->setChecked(state.toneSelected);
    chkCTCSS->setChecked(state.ctcssSelected);
}

void FrequencyPage::optWideFM_Click(int index)
{
    state.wideFM = index != 0;
}
