#include "FreeTextPage.h"

#include "Controls.h"
#include "beacon/Module1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Controls;

FreeTextPage::FreeTextPage(BeaconState &state, const Advice::Texts &advice)
    : state(state), advice(advice)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntroFreeText = intro("lblIntroFreeText"));
    txtYourBeaconComment = new QLineEdit(state.freeText);
    txtYourBeaconComment->setObjectName(QStringLiteral("txtYourBeaconComment"));
    // The free text takes only what can be typed.
    txtYourBeaconComment->setValidator(new RuleValidator(
        [](const QString &text) { return std::optional(Module1::typeable_text(text)); },
        txtYourBeaconComment));
    auto *row = new QHBoxLayout;
    row->addWidget(lblYourComment = label("lblYourComment", txtYourBeaconComment));
    row->addWidget(txtYourBeaconComment, 1);
    layout->addLayout(row);
    layout->addWidget(lblFreeTextWarning = warning("lblFreeTextWarning", QColor(0xb0, 0, 0)));
    layout->addStretch();
    connect(txtYourBeaconComment, &QLineEdit::textChanged, this,
            &FreeTextPage::txtYourBeaconComment_Change);
}

void FreeTextPage::translate(const Captions &c)
{
    lblIntroFreeText->setText(c[TextId::ITEM0027]);
    lblYourComment->setText(c[TextId::ITEM0029]);
}

void FreeTextPage::show_warning()
{
    lblFreeTextWarning->setText(Advice::freeText_warning(state.freeText, advice));
}

void FreeTextPage::txtYourBeaconComment_Change()
{
    state.freeText = txtYourBeaconComment->text();
    show_warning();
}
