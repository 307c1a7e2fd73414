#pragma once

#include "chart/axes/TAxisLabelStyle.h"
#include "chart/axes/TAxisScale.h"
#include "numeric/Extended.h"

#include <cmath>
#include <functional>
#include <string>

class TCustomChartAxis;
class TAxisTickPositions;

// Walks the labels one drawing of an axis places (values, logarithmic or calendar steps, a handler's
// values, series texts, depth titles): records their tick positions and hands each label to draw.
class TAxisLabelLoops {
public:
    using TDrawLabel = std::function<void(int pos, const std::string& text)>;

    TAxisLabelLoops(TCustomChartAxis& axis, TAxisTickPositions& ticks, TDrawLabel draw)
        : axis_(axis), ticks_(ticks), draw_(std::move(draw))
    {
    }

    // Places the labels of step inc.
    void Produce(double inc);

    // Visits the value label values for step inc, from the maximum downward, while visit returns true.
    template <class F>
    static void ForEachValueLabel(const TAxisScale& scale, bool roundFirstLabel, double inc, F visit)
    {
        if (std::fabs(scale.Range() / inc) >= MaxValueLabelSteps)
            return;
        const double q = scale.Maximum / inc;
        double v = scale.Maximum;
        if (scale.Minimum != scale.Maximum && roundFirstLabel)
            v = static_cast<double>(static_cast<Extended>(std::trunc(q)) * inc);
        while (v > scale.Maximum)
            v = v - inc;
        // A tolerance below the minimum absorbs the error accumulated by the repeated subtraction;
        // it widens the range downward for negative minimums as well.
        const Extended lowered = scale.Minimum - LabelSlack;
        const Extended limit = lowered >= 0 ? lowered / LabelStretch : lowered * LabelStretch;
        while (v >= limit) {
            if (!visit(v))
                return;
            const double next = v - inc;
            if (!(next < v))
                break;
            v = next;
        }
    }

private:
    // The tolerance below the axis minimum that absorbs the error of repeated subtraction, and the factor that
    // widens it; constants, since clang 14 (emscripten's) fails to fold these literals inside templates.
    static constexpr Extended LabelSlack = 1e-12_ext;
    static constexpr Extended LabelStretch = 1.000000000001_ext;
    static constexpr double MaxValueLabelSteps = 10000;

    void DrawValueLabels(double inc);
    bool DrawHandlerLabels();
    void DrawLogarithmicLabels();
    void DrawCalendarLabels(double inc);
    void DrawSeriesLabels(TAxisLabelStyle style);
    void DrawDepthLabels();
    void PlaceLabel(double value);
    // Draws a label at pos; when ticks follow the labels, its tick is recorded here.
    void DrawLabel(int pos, const std::string& text);

    TCustomChartAxis& axis_;
    TAxisTickPositions& ticks_;
    TDrawLabel draw_;
};
