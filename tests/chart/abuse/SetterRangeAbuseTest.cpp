#include "chart/axes/AxisException.h"
#include "chart/axes/TChartAxis.h"
#include "chart/frame/LegendException.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TChart.h"
#include "chart/series/TAverageChartFunction.h"
#include "chart/series/TLineSeries.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <functional>
#include <limits>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

enum class TOwner { Chart, Axis, Legend };

// A chart with a line series on fixed axes 200..360 x 0.9..1.5 and an average function on a second series.
struct TAbuseChart {
    TAbuseChart()
    {
        chart.BottomAxis().SetMinMax(200, 360);
        chart.LeftAxis().SetMinMax(0.9, 1.5);
        line = new TLineSeries;
        line->AddPoint(200, 1.0);
        line->AddPoint(360, 1.2);
        chart.AttachSeries(line);
        averaged = new TLineSeries;
        averaged->SetFunction(std::make_unique<TAverageChartFunction>());
        chart.AttachSeries(averaged);
    }

    TChart chart;
    TLineSeries* line = nullptr;
    TLineSeries* averaged = nullptr;
};

struct TSetterCase {
    const char* Name;
    std::function<void(TAbuseChart&)> Set;
    // The state the refused call must leave alone, as text so one column serves every type.
    std::function<std::string(TAbuseChart&)> Read;
    TOwner Owner;
    const char* Message;
};

// gtest would otherwise print the case as raw bytes, padding included.
void PrintTo(const TSetterCase& c, std::ostream* out)
{
    *out << c.Name;
}


std::string Text(double value)
{
    return std::to_string(value);
}

const std::vector<TSetterCase>& SetterCases()
{
    auto percent = [](TAbuseChart& c) { return Text(c.chart.Chart3DPercent()); };
    auto maxPoints = [](TAbuseChart& c) { return Text(c.chart.MaxPointsPerPage()); };
    auto bottomRange = [](TAbuseChart& c) { return Text(c.chart.BottomAxis().Minimum()) + ".." + Text(c.chart.BottomAxis().Maximum()); };
    auto leftIncrement = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().Increment()); };
    auto separation = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().LabelsSeparation()); };
    auto logBase = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().LogarithmicBase()); };
    auto logarithmic = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().Logarithmic()); };
    auto labelsAngle = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().LabelsAngle()); };
    auto titleAngle = [](TAbuseChart& c) { return Text(c.chart.LeftAxis().Title().Angle()); };
    auto pointer = [](TAbuseChart& c) { return Text(c.line->Pointer().HorizSize()) + "x" + Text(c.line->Pointer().VertSize()); };
    auto points = [](TAbuseChart& c) { return Text(c.line->Count()) + " " + Text(c.line->YValueAt(1)); };
    auto period = [](TAbuseChart& c) { return Text(c.averaged->FunctionObject()->Period()); };
    auto topPos = [](TAbuseChart& c) { return Text(c.chart.Legend().TopPos()); };
    auto colorWidth = [](TAbuseChart& c) { return Text(c.chart.Legend().ColorWidth()); };
    auto firstValue = [](TAbuseChart& c) { return Text(c.chart.Legend().FirstValue()); };
    const char* const percentText = "3D effect percent must be between 1 and 100";
    static const std::vector<TSetterCase> cases{
        {"Chart3DPercent 0", [](TAbuseChart& c) { c.chart.SetChart3DPercent(0); }, percent, TOwner::Chart, percentText},
        {"Chart3DPercent 101", [](TAbuseChart& c) { c.chart.SetChart3DPercent(101); }, percent, TOwner::Chart, percentText},
        {"Chart3DPercent INT_MIN", [](TAbuseChart& c) { c.chart.SetChart3DPercent(INT_MIN); }, percent, TOwner::Chart, percentText},
        {"MaxPointsPerPage -1", [](TAbuseChart& c) { c.chart.SetMaxPointsPerPage(-1); }, maxPoints, TOwner::Chart, "MaxPointsPerPage must be >= 0"},
        {"Minimum above Maximum", [](TAbuseChart& c) { c.chart.BottomAxis().SetMinimum(400); }, bottomRange, TOwner::Axis, "Axis Minimum Value must be <= Maximum"},
        {"Minimum +inf", [](TAbuseChart& c) { c.chart.BottomAxis().SetMinimum(Inf); }, bottomRange, TOwner::Axis, "Axis Minimum Value must be <= Maximum"},
        {"Maximum below Minimum", [](TAbuseChart& c) { c.chart.BottomAxis().SetMaximum(100); }, bottomRange, TOwner::Axis, "Axis Maximum Value must be >= Minimum"},
        {"Maximum -inf", [](TAbuseChart& c) { c.chart.BottomAxis().SetMaximum(-Inf); }, bottomRange, TOwner::Axis, "Axis Maximum Value must be >= Minimum"},
        {"Increment -1", [](TAbuseChart& c) { c.chart.LeftAxis().SetIncrement(-1); }, leftIncrement, TOwner::Axis, "Axis increment must be >= 0"},
        {"Increment -denormal", [](TAbuseChart& c) { c.chart.LeftAxis().SetIncrement(-4.9e-324); }, leftIncrement, TOwner::Axis, "Axis increment must be >= 0"},
        {"Increment NaN", [](TAbuseChart& c) { c.chart.LeftAxis().SetIncrement(NaN); }, leftIncrement, TOwner::Axis, "Axis increment must be >= 0"},
        {"Increment -inf", [](TAbuseChart& c) { c.chart.LeftAxis().SetIncrement(-Inf); }, leftIncrement, TOwner::Axis, "Axis increment must be >= 0"},
        {"LabelsSeparation -1", [](TAbuseChart& c) { c.chart.LeftAxis().SetLabelsSeparation(-1); }, separation, TOwner::Axis, "Labels Separation % must be greater than 0"},
        {"LogarithmicBase 1", [](TAbuseChart& c) { c.chart.LeftAxis().SetLogarithmicBase(1); }, logBase, TOwner::Axis, "Axis Logarithmic Base should be >= 2"},
        {"LogarithmicBase INT_MIN", [](TAbuseChart& c) { c.chart.LeftAxis().SetLogarithmicBase(INT_MIN); }, logBase, TOwner::Axis, "Axis Logarithmic Base should be >= 2"},
        {"Logarithmic over a negative range",
         [](TAbuseChart& c) {
             c.chart.LeftAxis().SetMinMax(-1, 1);
             c.chart.LeftAxis().SetLogarithmic(true);
         },
         logarithmic, TOwner::Axis, "Logarithmic Axis Min and Max values should be >= 0"},
        {"LabelsAngle 360", [](TAbuseChart& c) { c.chart.LeftAxis().SetLabelsAngle(360); }, labelsAngle, TOwner::Chart, "Axis Labels Angle must be between 0 and 359 degrees"},
        {"LabelsAngle -1", [](TAbuseChart& c) { c.chart.LeftAxis().SetLabelsAngle(-1); }, labelsAngle, TOwner::Chart, "Axis Labels Angle must be between 0 and 359 degrees"},
        {"Title Angle 360", [](TAbuseChart& c) { c.chart.LeftAxis().Title().SetAngle(360); }, titleAngle, TOwner::Chart, "Axis Title Angle must be between 0 and 359 degrees"},
        {"Title Angle INT_MIN", [](TAbuseChart& c) { c.chart.LeftAxis().Title().SetAngle(INT_MIN); }, titleAngle, TOwner::Chart, "Axis Title Angle must be between 0 and 359 degrees"},
        {"Pointer HorizSize 0", [](TAbuseChart& c) { c.line->Pointer().SetHorizSize(0); }, pointer, TOwner::Chart, "Pointer size must be greater than zero"},
        {"Pointer VertSize -1", [](TAbuseChart& c) { c.line->Pointer().SetVertSize(-1); }, pointer, TOwner::Chart, "Pointer size must be greater than zero"},
        {"FillSamples 0", [](TAbuseChart& c) { c.line->FillSamples(0); }, points, TOwner::Chart, "FillSampleValues NumValues must be > 0"},
        {"FillSamples -1", [](TAbuseChart& c) { c.line->FillSamples(-1); }, points, TOwner::Chart, "FillSampleValues NumValues must be > 0"},
        {"Function Period -1", [](TAbuseChart& c) { c.averaged->FunctionObject()->SetPeriod(-1); }, period, TOwner::Chart, "Function Period should be >= 0"},
        {"Function Period -inf", [](TAbuseChart& c) { c.averaged->FunctionObject()->SetPeriod(-Inf); }, period, TOwner::Chart, "Function Period should be >= 0"},
        {"Legend TopPos -1", [](TAbuseChart& c) { c.chart.Legend().SetTopPos(-1); }, topPos, TOwner::Legend, "Top Legend Position must be between 0 and 100 %"},
        {"Legend TopPos 101", [](TAbuseChart& c) { c.chart.Legend().SetTopPos(101); }, topPos, TOwner::Legend, "Top Legend Position must be between 0 and 100 %"},
        {"Legend ColorWidth -1", [](TAbuseChart& c) { c.chart.Legend().SetColorWidth(-1); }, colorWidth, TOwner::Legend, "Legend Color Width must be between 0 and 100 %"},
        {"Legend ColorWidth 101", [](TAbuseChart& c) { c.chart.Legend().SetColorWidth(101); }, colorWidth, TOwner::Legend, "Legend Color Width must be between 0 and 100 %"},
        {"Legend FirstValue -1", [](TAbuseChart& c) { c.chart.Legend().SetFirstValue(-1); }, firstValue, TOwner::Legend, "First Legend Value must be > 0"},
    };
    return cases;
}

class SetterRangeAbuse : public ::testing::TestWithParam<TSetterCase> {};

TEST_P(SetterRangeAbuse, RefusedValueKeepsTheOldOneWithTheExactMessage)
{
    const TSetterCase& setter = GetParam();
    TAbuseChart chart;
    const std::string before = setter.Read(chart);
    try {
        setter.Set(chart);
        ADD_FAILURE() << "accepted";
    } catch (const EChartException& error) {
        EXPECT_EQ(std::string(error.what()), setter.Message);
        switch (setter.Owner) {
        case TOwner::Chart:
            EXPECT_NE(dynamic_cast<const ChartException*>(&error), nullptr) << typeid(error).name();
            break;
        case TOwner::Axis:
            EXPECT_NE(dynamic_cast<const AxisException*>(&error), nullptr) << typeid(error).name();
            break;
        case TOwner::Legend:
            EXPECT_NE(dynamic_cast<const LegendException*>(&error), nullptr) << typeid(error).name();
            break;
        }
    }
    EXPECT_EQ(setter.Read(chart), before);
}

INSTANTIATE_TEST_SUITE_P(Setters, SetterRangeAbuse, ::testing::ValuesIn(SetterCases()),
                         [](const ::testing::TestParamInfo<TSetterCase>& info) {
                             std::string name;
                             for (const char* p = info.param.Name; *p != '\0'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

}  // namespace
