#pragma once

#include "beacon/BeaconState.h"
#include "language/WindowTexts.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

// The Ext. Operating Frequency page: a repeater's offset, DCS code and range, the
// fields of APRS 1.2 that follow the frequency element.
class ExtFrequencyPage final : public QWidget
{
    Q_OBJECT

public:
    explicit ExtFrequencyPage(BeaconState &state);

    void translate(const Captions &captions);
    // The offset's list shows the usual shifts of the state's band, the box any
    // amount; without the box, only the list follows the state.
    void show_offset(bool withBox = true);

private:
    void lstOffset_Click();
    void spnOffset_Change();
    void lstDCS_Click();
    void spnRange_Change();
    void lstRangeUnit_Click();

    BeaconState &state;
    QString none; // "none", in the window's language
    QLabel *lblIntroExtOprFreq = nullptr;
    QLabel *lblExtOffset = nullptr;
    QLabel *lblExtDCS = nullptr;
    QLabel *lblExtRange = nullptr;
    QComboBox *lstOffset = nullptr;
    QSpinBox *spnOffset = nullptr;
    QComboBox *lstDCS = nullptr;
    QSpinBox *spnRange = nullptr;
    QComboBox *lstRangeUnit = nullptr;
};
