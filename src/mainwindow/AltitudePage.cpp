#include "AltitudePage.h"

#include "Controls.h"
#include "beacon/Altitude.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Controls;

AltitudePage::AltitudePage(BeaconState &state) : state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroAltitude = intro("lblIntroAltitude"));
    auto *grid = new QGridLayout;
    txtAltitude = readOnlyBox("txtAltitude");
    txtAltitude->setText(state.altitudeText);
    txtAltFeet = new QLineEdit;
    txtAltFeet->setObjectName(QStringLiteral("txtAltFeet"));
    txtAltMeters = new QLineEdit;
    txtAltMeters->setObjectName(QStringLiteral("txtAltMeters"));
    const Altitude::BoxUpdate boxes = Altitude::restored_boxes(state);
    txtAltFeet->setText(boxes.feetBox);
    txtAltMeters->setText(boxes.metersBox);
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

    connect(txtAltFeet, &QLineEdit::textEdited, this, &AltitudePage::txtAltFeet_KeyUp);
    connect(txtAltMeters, &QLineEdit::textEdited, this, &AltitudePage::txtAltMeters_KeyUp);
}

void AltitudePage::translate(const Captions &c)
{
    lblIntroAltitude->setText(c[TextId::ITEM0020]);
    lblAltFeet->setText(c[TextId::ITEM0021]);
    lblAltMeters->setText(c[TextId::ITEM0022]);
}

void AltitudePage::show_element()
{
    txtAltitude->setText(state.altitudeText);
}

void AltitudePage::txtAltFeet_KeyUp()
{
    const Altitude::BoxUpdate boxes =
        Altitude::feet_typed(state, txtAltFeet->text(), txtAltMeters->text());
    if (boxes.feetBox != txtAltFeet->text())
        txtAltFeet->setText(boxes.feetBox);
    show_element();
}

void AltitudePage::txtAltMeters_KeyUp()
{
    const Altitude::BoxUpdate boxes = Altitude::meters_typed(state, txtAltMeters->text());
    if (boxes.metersBox != txtAltMeters->text())
        txtAltMeters->setText(boxes.metersBox);
    txtAltFeet->clear();
    show_element();
}
