#include "PhgPage.h"

#include "Controls.h"
#include "CoveragePicture.h"
#include "beacon/Phg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

PhgPage::PhgPage(BeaconState &state, const Advice::Texts &advice) : state(state), advice(advice)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroPHG = intro("lblIntroPHG"));

    auto *row = new QHBoxLayout;
    auto *lists = new QGridLayout;
    lstPower = list("lstPower", 8);
    lstHeight = list("lstHeight", 19);
    lstGain = list("lstGain", 6);
    lists->addWidget(lblPHGPower = label("lblPHGPower", lstPower), 0, 0);
    lists->addWidget(lstPower, 1, 0);
    lists->addWidget(lblPHGHeight = label("lblPHGHeight", lstHeight), 0, 1);
    lists->addWidget(lstHeight, 1, 1);
    lists->addWidget(lblPHGGain = label("lblPHGGain", lstGain), 0, 2);
    lists->addWidget(lstGain, 1, 2);
    fill(lstPower, Phg::power_entries());
    fill(lstHeight, Phg::height_entries(QLocale()));
    fill(lstGain, Phg::gain_entries());
    lstPower->setCurrentIndex(state.phgPower);
    lstHeight->setCurrentIndex(Phg::height_position(state.phgHeight));
    lstGain->setCurrentIndex(state.phgGain);

    chkRate = new QCheckBox;
    chkRate->setObjectName(QStringLiteral("chkRate"));
    chkRate->setChecked(state.rateSelected);
    lstRate = list("lstRate", 4);
    fill(lstRate, Phg::rate_entries());
    lstRate->setCurrentIndex(Phg::rate_position(state));
    lists->addWidget(chkRate, 2, 0);
    lists->addWidget(lblRate = label("lblRate", lstRate), 3, 0);
    lists->addWidget(lstRate, 4, 0);

    txtPHG = readOnlyBox("txtPHG");
    txtPHG->setText(state.phgText);
    lists->addWidget(label("Label1", txtPHG, QStringLiteral("PHG")), 3, 1);
    lists->addWidget(txtPHG, 4, 1);
    lblPHGRange = label("lblPHGRange");
    lblPHGRange->setAccessibleDescription(QStringLiteral("Estimated radio range"));
    lblPHGRange->setToolTip(QStringLiteral("The range APRS programs draw for these PHG codes"));
    // Its length changes with the direction and the language: it wraps within room
    // kept for two lines instead of widening the window.
    lblPHGRange->setWordWrap(true);
    lblPHGRange->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPHGRange->setMinimumHeight(2 * lblPHGRange->fontMetrics().lineSpacing());
    lblPHGRange->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lists->addWidget(lblPHGRange, 4, 2, 1, 2);
    lists->setColumnStretch(3, 1);
    lists->setRowStretch(5, 1);
    row->addLayout(lists, 1);

    // The direction options sit as on a compass, OMNI in the middle.
    auto *compass = new QGridLayout;
    compass->addWidget(lblPHGDirection = label("lblPHGDirection"), 0, 0, 1, 3);
    static constexpr int place[9][2] = {{2, 1}, {1, 2}, {2, 2}, {3, 2}, {3, 1},
                                        {3, 0}, {2, 0}, {1, 0}, {1, 1}};
    for (int i = 0; i < int(optDirection.size()); ++i) {
        QRadioButton *option = optDirection[size_t(i)] = new QRadioButton;
        option->setObjectName(indexed("optDirection", i));
        option->setChecked(i == state.phgDirection);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optDirection_Click(i);
        });
        compass->addWidget(option, place[i][0], place[i][1]);
    }
    // The coverage below the compass, whose choice shifts it.
    compass->addWidget(picCoverage = new CoveragePicture, 4, 0, 1, 3,
                       Qt::AlignHCenter | Qt::AlignTop);
    compass->setRowStretch(5, 1);
    row->addLayout(compass);
    layout->addLayout(row, 1);

    connect(lstPower, &QComboBox::currentIndexChanged, this, &PhgPage::lstPower_Click);
    connect(lstHeight, &QComboBox::currentIndexChanged, this, &PhgPage::lstHeight_Click);
    connect(lstGain, &QComboBox::currentIndexChanged, this, &PhgPage::lstGain_Click);
    connect(lstRate, &QComboBox::currentIndexChanged, this, &PhgPage::lstRate_Click);
    connect(chkRate, &QCheckBox::stateChanged, this, &PhgPage::chkRate_Click);
}

void PhgPage::translate(const Captions &c)
{
    lblIntroPHG->setText(c[TextId::ITEM0005]);
    lblPHGPower->setText(c[TextId::ITEM0006]);
    lblPHGHeight->setText(c[TextId::ITEM0007]);
    lblPHGGain->setText(c[TextId::ITEM0008]);
    lblPHGDirection->setText(c[TextId::ITEM0009]);
    for (size_t i = 0; i < optDirection.size(); ++i) // ITEM0010 to ITEM0018
        optDirection[i]->setText(c[TextId(int(TextId::ITEM0010) + int(i))]);
    chkRate->setText(c[TextId::ITEM0030]);
    lblRate->setText(c[TextId::ITEM0031]);
}

void PhgPage::show_range()
{
    const int height = Phg::height_position(state.phgHeight);
    lblPHGRange->setText(Advice::phg_rangeText(state.phgPower, height, state.phgGain,
                                               state.phgDirection, QLocale(), advice));
    const Advice::Coverage coverage =
        Advice::coverage(state.phgPower, height, state.phgGain, state.phgDirection);
    picCoverage->show_coverage(
        coverage, Advice::coverage_text(coverage, state.phgDirection, QLocale(), advice), advice);
}

void PhgPage::update_PHG()
{
    Phg::update_PHG(state);
    txtPHG->setText(state.phgText);
    show_range();
}

void PhgPage::lstPower_Click()
{
    state.phgPower = qint16(lstPower->currentIndex());
    update_PHG();
}

void PhgPage::lstHeight_Click()
{
    state.phgHeight = Phg::height_code(lstHeight->currentIndex());
    update_PHG();
}

void PhgPage::lstGain_Click()
{
    state.phgGain = qint16(lstGain->currentIndex());
    update_PHG();
}

void PhgPage::optDirection_Click(int index)
{
    state.phgDirection = qint16(index);
    update_PHG();
}

void PhgPage::chkRate_Click()
{
    state.rateSelected = chkRate->checkState() == Qt::Checked;
    update_PHG();
}

void PhgPage::lstRate_Click()
{
    state.rateCode = quint8(state.rateCodes.at(lstRate->currentIndex()));
    update_PHG();
}
