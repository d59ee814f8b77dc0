#pragma once

#include "beacon/BeaconState.h"
#include "language/WindowTexts.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The Altitude page: the altitude in feet or in metres, and the element it makes.
class AltitudePage final : public QWidget
{
    Q_OBJECT

public:
    explicit AltitudePage(BeaconState &state);

    void translate(const Captions &captions);
    // The element as the state has it, after a change of its form.
    void show_element();

private:
    // Run on every edit of the box's text, whichever way it came.
    void txtAltFeet_KeyUp();
    void txtAltMeters_KeyUp();

    BeaconState &state;
    QLabel *lblIntroAltitude = nullptr;
    QLabel *lblAltFeet = nullptr;
    QLabel *lblAltMeters = nullptr;
    QLineEdit *txtAltFeet = nullptr;
    QLineEdit *txtAltMeters = nullptr;
    QLineEdit *txtAltitude = nullptr;
};
