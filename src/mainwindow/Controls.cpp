#include "Controls.h"

#include "AlertLabel.h"
#include "platform/Appearance.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace Controls {

namespace {

const char wantedColour[] = "tavrookWarningColour";

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QString indexed(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QLabel *label(const char *name, QWidget *buddy, const QString &text)
{
    auto *l = named(new QLabel(text), name);
    l->setTextFormat(Qt::PlainText);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QLabel *intro(const char *name)
{
    QLabel *l = label(name);
    l->setWordWrap(true);
    return l;
}

QComboBox *list(const char *name, int minimumCharacters)
{
    auto *box = named(new QComboBox, name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A wider window widens the boxes that hold text, not the lists.
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    box->setMinimumContentsLength(minimumCharacters);
    return box;
}

void fill(QComboBox *box, const QStringList &entries)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(entries);
}

QLineEdit *readOnlyBox(const char *name)
{
    auto *box = named(new QLineEdit, name);
    box->setReadOnly(true);
    return box;
}

QLabel *warning(const char *name, const QColor &wanted)
{
    auto *l = new QLabel;
    mark_asAlert(l); // before anything makes Qt describe it as plain text
    named(l, name);
    l->setProperty(wantedColour, wanted);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed height: a wrapped label's own idea of its height changes with its width.
    l->setFixedHeight(2 * l->fontMetrics().lineSpacing());
    QSizePolicy policy = l->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    policy.setHorizontalPolicy(QSizePolicy::Ignored); // a long text wraps, never widens its column
    l->setSizePolicy(policy);
    return l;
}

// Colours go through the palette: a style sheet would cost every label a style of its own.
void recolour_warnings(QWidget *window, const QColor &page)
{
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *l : labels) {
        const QVariant wanted = l->property(wantedColour);
        if (!wanted.isValid())
            continue;
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, readable_on(wanted.value<QColor>(), page));
        l->setPalette(palette);
    }
}

void describe_lists(QWidget *window)
{
    const QList<QLabel *> captions = window->findChildren<QLabel *>();
    for (QLabel *caption : captions) {
        if (auto *box = qobject_cast<QComboBox *>(caption->buddy()))
            box->setAccessibleDescription(caption->text().remove(QLatin1Char('&')));
    }
}

QValidator::State RuleValidator::validate(QString &input, int &position) const
{
    const std::optional<QString> kept = rule(input);
    if (!kept)
        return Invalid;
    if (*kept != input) {
        position = int(qMin<qsizetype>(position, kept->size()));
        input = *kept;
    }
    return Acceptable;
}

} // namespace Controls
