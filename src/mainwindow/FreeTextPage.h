#pragma once

#include "beacon/Advice.h"
#include "beacon/BeaconState.h"
#include "language/WindowTexts.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The Free text page: the text that ends the comment, and what of it APRS or the
// radios will not carry.
class FreeTextPage final : public QWidget
{
    Q_OBJECT

public:
    FreeTextPage(BeaconState &state, const Advice::Texts &advice);

    void translate(const Captions &captions);
    // The character warning, in the window's language.
    void show_warning();

private:
    void txtYourBeaconComment_Change();

    BeaconState &state;
    const Advice::Texts &advice;
    QLabel *lblIntroFreeText = nullptr;
    QLabel *lblYourComment = nullptr;
    QLineEdit *txtYourBeaconComment = nullptr;
    QLabel *lblFreeTextWarning = nullptr;
};
