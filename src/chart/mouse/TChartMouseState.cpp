#include "chart/mouse/TChartMouseState.h"

#include "chart/axes/TChartAxis.h"
#include "chart/panel/TCustomChart.h"

std::array<TChartAxis*, 4> TChartMouseState::SideAxes(TCustomChart& chart)
{
    return {&chart.TopAxis(), &chart.BottomAxis(), &chart.LeftAxis(), &chart.RightAxis()};
}

void TChartMouseState::SaveAxes(TCustomChart& chart)
{
    if (!maySave_)
        return;
    const std::array<TChartAxis*, 4> axes = SideAxes(chart);
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const TChartAxis& axis = *axes[i];
        saved_[i] = {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(), axis.Maximum()};
    }
    maySave_ = false;
}

void TChartMouseState::RestoreAxes(TCustomChart& chart)
{
    if (!maySave_) {
        const std::array<TChartAxis*, 4> axes = SideAxes(chart);
        for (std::size_t i = 0; i < axes.size(); ++i) {
            TChartAxis& axis = *axes[i];
            const TSavedAxis& saved = saved_[i];
            // SetMinMax takes the limits in any order, where the checked setters could refuse one.
            if (!saved.Automatic)
                axis.SetMinMax(saved.Minimum, saved.Maximum);
            axis.SetAutomatic(saved.Automatic);
            axis.SetAutomaticMinimum(saved.AutomaticMinimum);
            axis.SetAutomaticMaximum(saved.AutomaticMaximum);
        }
    }
    maySave_ = true;
}

int TChartMouseState::TakeWheelNotches(int delta)
{
    wheelRest_ += delta;
    const int notches = wheelRest_ / WheelNotch;
    wheelRest_ -= notches * WheelNotch;
    return notches;
}
