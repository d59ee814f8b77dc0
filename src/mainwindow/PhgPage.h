#pragma once

#include "beacon/Advice.h"
#include "beacon/BeaconState.h"
#include "language/WindowTexts.h"

#include <QWidget>

#include <array>

class CoveragePicture;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The PHG page: power, height, gain, direction and the optional rate, the PHG
// element they make, and the range APRS programs draw for it.
class PhgPage final : public QWidget
{
    Q_OBJECT

public:
    PhgPage(BeaconState &state, const Advice::Texts &advice);

    void translate(const Captions &captions);
    // The range estimate and the coverage, in the window's language.
    void show_range();

private:
    void update_PHG();
    void lstPower_Click();
    void lstHeight_Click();
    void lstGain_Click();
    void optDirection_Click(int index);
    void chkRate_Click();
    void lstRate_Click();

    BeaconState &state;
    const Advice::Texts &advice;

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
    CoveragePicture *picCoverage = nullptr;
};
