#include "app/window/TCalculatorWindow.h"

#include "app/window/TEditControl.h"
#include "app/window/TRadioControl.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "model/BHNcalc.h"
#include "numeric/FloatChars.h"

#include <array>
#include <cstddef>

namespace {

// Parses a hardness field into its value; the field is white when accepted, grey when not, and a grey field
// says in its tooltip what it accepts. True when accepted.
bool JudgeHardness(TEditControl& edit, int maximum, double& value)
{
    constexpr int Minimum = BHNcalc::MinimumBHN;
    edit.SetColor(clWindow);
    edit.SetHint({});
    bool valid = false;
    BHNcalc::ParseHardness(edit.AnsiText(), Minimum, maximum, valid, value);
    if (!valid) {
        edit.SetColor(clSilver);
        edit.SetHint(std::to_string(Minimum) + " to " + std::to_string(maximum) + " BHN");
    }
    return valid;
}

}  // namespace

TCalculatorWindow::TCalculatorWindow(const TCalculatorControls& controls, TCustomAxisPanel& chart)
    : controls_(controls), series_(chart)
{
}

const std::map<std::string, TCalculatorWindow::THandler>& TCalculatorWindow::HandlersByName()
{
    static const std::map<std::string, THandler> handlers{
        {"FormActivate", &TCalculatorWindow::FormActivate},
        {"Button1Click", &TCalculatorWindow::Button1Click},
        {"Edit4Change", &TCalculatorWindow::Edit4Change},
        {"RadioGroup1Click", &TCalculatorWindow::RadioGroup1Click},
    };
    return handlers;
}

void TCalculatorWindow::FormActivate()
{
    using namespace BHNcalc;
    controls_.Edit2.ShowText(FormatFixed(StandardProtection, 1, 1));
    StandardBHN = DefaultStandardBHN;
    // Rewriting "270" as "270.0" is a real change of the standard field, so its change steps run here.
    if (controls_.Edit4.ShowText(FormatFixed(StandardBHN, 1, 1))) {
        Edit4Change();
    }
    StandardProtection = InterpolateProtection(StandardBHN);
    GraphBHN();
}

void TCalculatorWindow::Edit4Change()
{
    using namespace BHNcalc;
    if (InputBHN0()) {
        StandardProtection = InterpolateProtection(StandardBHN);
        GraphBHN();
    }
}

void TCalculatorWindow::Button1Click()
{
    using namespace BHNcalc;
    if (!InputBHN()) {
        return;
    }
    // The standard is what the last change of its field left, not parsed again here.
    StandardProtection = InterpolateProtection(StandardBHN);
    SelectCurve(SelectedMode);
    const double variableProtection = InterpolateProtection(VariableBHN);
    GraphBHN();
    controls_.Edit2.ShowText(FormatFixed(variableProtection, 1, 3));
    series_.MarkVariable(VariableBHN);
    const double quality = RelativeQuality(StandardProtection, variableProtection);
    controls_.Edit3.ShowText(FormatFixed(quality, 1, 4));
    controls_.Edit5.ShowText(FormatFixed(InverseQuality(quality), 1, 4));
    DescribeChart();
}

void TCalculatorWindow::RadioGroup1Click()
{
    using namespace BHNcalc;
    SelectedMode = controls_.RadioGroup1.ItemIndex();
    SelectCurve(SelectedMode);
    GraphBHN();
}

bool TCalculatorWindow::InputBHN0()
{
    BHNcalc::StandardBHN = BHNcalc::DefaultStandardBHN;
    double value = 0.0;
    const bool valid = JudgeHardness(controls_.Edit4, BHNcalc::MaximumStandardBHN, value);
    if (valid) {
        BHNcalc::StandardBHN = value;
    }
    return valid;
}

bool TCalculatorWindow::InputBHN()
{
    double value = 0.0;
    const bool valid = JudgeHardness(controls_.Edit1, BHNcalc::MaximumVariableBHN, value);
    if (valid) {
        BHNcalc::VariableBHN = value;
    }
    return valid;
}

void TCalculatorWindow::GraphBHN()
{
    series_.Graph(BHNcalc::SelectedCurve, BHNcalc::StandardBHN);
    DescribeChart();
}

std::string TCalculatorWindow::ChartDescription() const
{
    const auto hardness = [](const TChartSeries& marker) {
        if (marker.Count() == 0) {
            return std::string("not calculated");
        }
        std::array<char, 32> digits{};
        const auto end = FloatChars::ToChars(digits.data(), digits.data() + digits.size(), marker.XValueAt(0));
        return std::string(digits.data(), end) + " BHN";
    };
    const int mode = controls_.RadioGroup1.ItemIndex();
    const std::string modeName =
        mode < 0 ? std::string("none") : controls_.RadioGroup1.Items()[static_cast<std::size_t>(mode)];
    return "Mode " + modeName + "; standard hardness " + hardness(*series_.Series4) + "; variable hardness "
           + hardness(*series_.Series5) + "; multiplier " + controls_.Edit2.Text() + "; relative quality "
           + controls_.Edit3.Text() + "; inverse " + controls_.Edit5.Text();
}

void TCalculatorWindow::DescribeChart()
{
    if (OnDescribeChart) {
        OnDescribeChart(ChartDescription());
    }
}
