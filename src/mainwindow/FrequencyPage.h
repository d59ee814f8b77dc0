#pragma once

#include "beacon/BeaconState.h"
#include "language/WindowTexts.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QStringListModel;

// The Operating Frequency page: band, step and channel, the tone, and narrow or wide
// FM. channelEntries is the prepared channel list of the state's band and step.
class FrequencyPage final : public QWidget
{
    Q_OBJECT

public:
    FrequencyPage(BeaconState &state, const QStringList &channelEntries);

    void translate(const Captions &captions);

signals:
    void bandChanged();

private:
    void build_FrequencyList();
    void show_toneTicks();
    void lstBand_Click();
    void lstStep_Click();
    void lstFrequency_Click();
    void lstTone_Click();
    void chkTone_Click();
    void chkCTCSS_Click();
    void optWideFM_Click(int index);

    BeaconState &state;
    QLabel *lblIntroOperFreq = nullptr;
    QLabel *lblOperFreqBand = nullptr;
    QLabel *lblOperFreqStep = nullptr;
    QLabel *lblOperFreqSelectFreq = nullptr;
    QComboBox *lstBand = nullptr;
    QComboBox *lstStep = nullptr;
    QComboBox *lstFrequency = nullptr;
    QStringListModel *frequencyModel = nullptr;
    QComboBox *lstTone = nullptr;
    QCheckBox *chkTone = nullptr;
    QCheckBox *chkCTCSS = nullptr;
    std::array<QRadioButton *, 2> optWideFM{};
};
