#include "AlertLabel.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char alertProperty[] = "tavrookAlert";

class AlertAccessible final : public QAccessibleWidget
{
public:
    explicit AlertAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *alert_factory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(alertProperty).toBool())
        return new AlertAccessible(label);
    return nullptr;
}

} // namespace

void mark_asAlert(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(alert_factory);
        return true;
    }();
    (void)installed;
    label->setProperty(alertProperty, true);
}
