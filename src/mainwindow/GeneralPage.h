#pragma once

#include "beacon/Advice.h"
#include "beacon/BeaconState.h"
#include "beacon/Module1.h"
#include "language/WindowTexts.h"

#include <QKeySequence>
#include <QWidget>

#include <array>

class Clipboard;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The General page: the elements the comment carries, the comment as it goes out,
// what receivers read of it, the warnings, the radios' displays, and the copy button.
class GeneralPage final : public QWidget
{
    Q_OBJECT

public:
    GeneralPage(BeaconState &state, const Advice::Texts &advice, Clipboard &clipboard);

    void translate(const Captions &captions);
    // The assembly; runs at the end of start-up, on a Check1 click and when the page
    // is shown.
    void update_beaconComment();
    // Presses the copy button, as a click would; the window gives it these keys.
    void copy();
    static QKeySequence copyKeys() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }

private:
    void Check1_Click(int index);
    void cmdCopyToClipboard_Click();

    BeaconState &state;
    const Advice::Texts &advice;
    Clipboard &clipboard;
    BeaconComment assembled; // the last assembly, as the page shows it

    QLabel *lblIntroGeneral = nullptr;
    QLabel *lblBeaconComment = nullptr;
    std::array<QCheckBox *, 5> Check1{};
    QLineEdit *txtBcnComment = nullptr;
    QLabel *lblReceiversRead = nullptr;
    QLabel *lblWarning = nullptr;
    QLabel *lblCharacterWarning = nullptr;
    QPushButton *cmdCopyToClipboard = nullptr;
    std::array<QList<QLabel *>, Module1::radioCount> examples;
};
