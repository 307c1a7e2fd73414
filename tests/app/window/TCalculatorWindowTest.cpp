#include "../WindowTestSupport.h"

#include "app/TForm1.h"
#include "app/window/TCalculatorWindow.h"
#include "app/window/TEditControl.h"
#include "app/window/TRadioControl.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "platform/form/ReadFormChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A field with no toolkit behind it: it keeps what the handlers show and runs its change handler only for
// what the user types.
class TFakeEdit : public TEditControl {
public:
    std::string Text() const override { return text; }
    bool ShowText(const std::string& newText) override
    {
        const bool changed = newText != text;
        text = newText;
        return changed;
    }
    std::string AnsiText() const override { return text; }
    void SetColor(TColor newColor) override { color = newColor; }
    void SetHint(const std::string& newHint) override { hint = newHint; }

    std::string text;
    TColor color = clWindow;
    std::string hint;
    std::function<void()> OnChange;
};

class TFakeRadio : public TRadioControl {
public:
    int ItemIndex() const override { return index; }
    const std::vector<std::string>& Items() const override { return items; }

    int index = 0;
    std::vector<std::string> items{"Avg.", "0°-35°", "40°-60°", "APDSFS", "3\" M62", "3\" M79", "Weighed", "Tests"};
};

// The handlers over fake fields and the chart the form describes, activated as a window opens.
class TCalculatorWindowTest : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        window.OnDescribeChart = [this](const std::string& text) { description = text; };
        edit4.OnChange = [this] { window.Edit4Change(); };
        window.FormActivate();
    }

    void Type(TFakeEdit& edit, const std::string& text)
    {
        edit.text = text;
        if (edit.OnChange) {
            edit.OnChange();
        }
    }

    TFakeEdit edit1, edit2, edit3, edit4, edit5;
    TFakeRadio radio;
    std::unique_ptr<TChart> chart = ReadFormChart(TForm1::EmbeddedFormText(), "BHN1.form", "TForm1", "Chart1");
    TCalculatorWindow window{TCalculatorControls{edit1, edit2, edit3, edit4, edit5, radio}, *chart};
    std::string description;
};

TEST_F(TCalculatorWindowTest, OpensWithTheStandardAt270AndItsMarkerDrawn)
{
    EXPECT_EQ(edit4.text, "270.0");
    EXPECT_EQ(BHNcalc::StandardBHN, 270.0);
    ASSERT_EQ(window.Series().Series4->Count(), 2);
    EXPECT_EQ(window.Series().Series4->XValueAt(0), 270.0);
    EXPECT_EQ(window.Series().Series5->Count(), 0);
    EXPECT_EQ(PointsOf(*window.Series().Series1), PointsOf(*window.Series().Series9));
}

// Activation rewrites the standard field and runs its change steps itself, once, not through the field's
// change handler: the field is judged again (white), the protection computed and the marker drawn.
TEST_F(TCalculatorWindowTest, ActivationJudgesTheRewrittenStandardWithoutTheFieldsChangeHandler)
{
    ResetModel();
    int changes = 0;
    edit4.OnChange = [&changes] { ++changes; };
    edit4.text = "270";
    edit4.color = clSilver;
    window.Series().Series4->ClearPoints();
    window.FormActivate();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(edit4.text, "270.0");
    EXPECT_EQ(edit4.color, clWindow);
    EXPECT_EQ(BHNcalc::StandardProtection, BHNcalc::InterpolateProtection(270.0));
    EXPECT_EQ(PointsOf(*window.Series().Series4), MarkerAt(270));
}

TEST_F(TCalculatorWindowTest, CalculateFillsTheThreeResultsAndTheVariableMarker)
{
    // The README's worked example.
    Type(edit4, "270");
    Type(edit1, "237");
    window.Button1Click();
    EXPECT_EQ(edit2.text, "1.288");
    EXPECT_EQ(edit3.text, "0.9328");
    EXPECT_EQ(edit5.text, "1.0721");
    ASSERT_EQ(window.Series().Series5->Count(), 2);
    EXPECT_EQ(window.Series().Series5->XValueAt(0), 237.0);
    EXPECT_EQ(description, "Mode Avg.; standard hardness 270 BHN; variable hardness 237 BHN; multiplier 1.288; "
                           "relative quality 0.9328; inverse 1.0721");
}

TEST_F(TCalculatorWindowTest, RejectedEntriesTurnGreyAndSayWhatTheyAccept)
{
    struct TCase {
        TFakeEdit* edit;
        std::string text;
        std::string hint;
    };
    const std::vector<TCase> cases{
        {&edit1, "199", "200 to 360 BHN"},
        {&edit1, "abc", "200 to 360 BHN"},
        {&edit4, "360", "200 to 359 BHN"},
        {&edit4, "", "200 to 359 BHN"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        Type(*c.edit, c.text);
        window.Button1Click();
        EXPECT_EQ(c.edit->color, clSilver);
        EXPECT_EQ(c.edit->hint, c.hint);
        Type(*c.edit, "300");
        window.Button1Click();
        EXPECT_EQ(c.edit->color, clWindow);
        EXPECT_EQ(c.edit->hint, "");
    }
}

TEST_F(TCalculatorWindowTest, ARejectedStandardFallsBackTo270AndLeavesTheChart)
{
    Type(edit4, "300");
    ASSERT_EQ(window.Series().Series4->XValueAt(0), 300.0);
    Type(edit4, "x");
    EXPECT_EQ(BHNcalc::StandardBHN, 270.0);
    EXPECT_EQ(window.Series().Series4->XValueAt(0), 300.0);
}

TEST_F(TCalculatorWindowTest, AModeChangeRefillsTheSelectedCurve)
{
    const TPoints before = PointsOf(*window.Series().Series1);
    radio.index = 1;
    window.RadioGroup1Click();
    EXPECT_EQ(BHNcalc::SelectedMode, 1);
    EXPECT_NE(PointsOf(*window.Series().Series1), before);
    EXPECT_EQ(PointsOf(*window.Series().Series1), PointsOf(*window.Series().Series2));
    EXPECT_EQ(description.rfind("Mode 0°-35°;", 0), 0U);
}

}  // namespace
