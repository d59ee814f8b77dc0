#include "CoveragePicture.h"

#include "platform/Appearance.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <cmath>

namespace {

constexpr int designSide = 170; // pixels at 96 DPI with the usual desktop font

// Screen readers present the picture as a graphic, with its name and, in words, what
// it shows (its accessible description).
QAccessibleInterface *graphic_factory(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<CoveragePicture *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

CoveragePicture::CoveragePicture()
{
    static const bool installed = [] {
        QAccessible::installFactory(graphic_factory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("picPHGCoverage"));
    setAccessibleName(QStringLiteral("Coverage"));
    setFocusPolicy(Qt::TabFocus); // so that the keyboard, and a screen reader, reach it
    // A square map, and a line below it for the scale.
    const int side = int(std::lround(designSide * design_scale(*this)));
    setFixedSize(side, side + fontMetrics().height() + 4);
}

void CoveragePicture::show_coverage(const Advice::Coverage &coverage, const QString &description,
                                    const Advice::Texts &texts)
{
    shown = coverage;
    points = {texts.directions[8], texts.directions[2], texts.directions[4], texts.directions[6]};
    setAccessibleDescription(description);
    setToolTip(description);
    update();
}

void CoveragePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ground = palette().color(QPalette::Base);
    const QColor ink = palette().color(QPalette::Text);
    const QColor circle = readable_on(palette().color(QPalette::Highlight), ground);
    const QFontMetrics metrics = fontMetrics();
    const QRect map(0, 0, width(), width());
    painter.fillRect(map, ground);
    // The frame shows the keyboard's focus in the highlight colour.
    painter.setPen(QPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid),
                        hasFocus() ? 2 : 1));
    painter.drawRect(QRectF(map).adjusted(0.5, 0.5, -0.5, -0.5));

    // Miles to pixels: the range ahead reaches from the station to within a line of
    // the edge, where the compass points stand.
    const QPointF station = QRectF(map).center();
    const double margin = metrics.height() * 1.2;
    const double perMile = (map.width() / 2.0 - margin) / shown.viewMiles;
    if (shown.radiusMiles > 0) {
        QColor fill = circle;
        fill.setAlpha(48);
        painter.setBrush(fill);
        painter.setPen(QPen(circle, 2));
        const QPointF centre = station + QPointF(shown.eastMiles, -shown.northMiles) * perMile;
        painter.drawEllipse(centre, shown.radiusMiles * perMile, shown.radiusMiles * perMile);
    }
    painter.setBrush(ink);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(station, 3, 3);

    painter.setPen(palette().color(QPalette::Text));
    const QRectF inside = QRectF(map).adjusted(3, 1, -3, -1);
    painter.drawText(inside, Qt::AlignTop | Qt::AlignHCenter, points[0]);
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignRight, points[1]);
    painter.drawText(inside, Qt::AlignBottom | Qt::AlignHCenter, points[2]);
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, points[3]);

    // Below the map, on the window's own background: a bar as long as a round number
    // of miles, and what it stands for in miles and kilometres.
    const QString scale = Advice::scale_text(shown.scaleMiles, QLocale());
    painter.setPen(palette().color(QPalette::WindowText));
    const double y = height() - metrics.height() / 2.0 - 2;
    const double end = 1 + shown.scaleMiles * perMile;
    painter.drawLine(QPointF(1, y), QPointF(end, y));
    painter.drawLine(QPointF(1, y - 3), QPointF(1, y + 3));
    painter.drawLine(QPointF(end, y - 3), QPointF(end, y + 3));
    painter.drawText(QRectF(end + 4, map.height(), width(), height() - map.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, scale);
}
