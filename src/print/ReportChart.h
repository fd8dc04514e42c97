#pragma once

#include "store/MeasurementPoints.h"

#include <QVector>

namespace print {

class PageSurface;

// Draws the measurements as a line over dated points in the box whose top left
// corner is (x, y), in inches: the frame, value ticks labelled down the left
// side, date ticks labelled under the frame, and a small circle at each point.
// Labels stand inside the box; `height` includes them.
void drawMeasurementChart(PageSurface& page, const QVector<store::MeasurementPoint>& points,
                          double x, double y, double width, double height);

// Round steps for an axis from `low` to `high`: the first tick, the step and
// how many ticks, so that the ticks cover the range.
struct AxisTicks
{
    double first = 0;
    double step = 1;
    int count = 2;
    int decimals = 0; // what a label needs to tell the ticks apart
    double last = 1;  // the last tick

    // Tick `i` (from 0), between the ends without overflow even at the largest numbers.
    double at(int i) const
    {
        const double t = count > 1 ? double(i) / (count - 1) : 0.0;
        return first * (1 - t) + last * t;
    }
};
AxisTicks niceTicks(double low, double high, int most = 6);

} // namespace print
