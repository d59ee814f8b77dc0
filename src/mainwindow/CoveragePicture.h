#pragma once

#include "beacon/Advice.h"

#include <QWidget>

// The PHG's coverage as map programs draw it: the station in the middle, the range
// circle shifted toward the favoured direction, the compass points and a scale in
// miles and kilometres. Its size is fixed, so nothing moves when the values change.
class CoveragePicture final : public QWidget
{
    Q_OBJECT

public:
    CoveragePicture();

    // The compass points are named as the direction buttons name them.
    void show_coverage(const Advice::Coverage &coverage, const QString &description,
                       const Advice::Texts &texts);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Advice::Coverage shown;
    std::array<QString, 4> points; // N, E, S, W
};
