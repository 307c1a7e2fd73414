#include "TForm1Fixture.h"
#include "WindowTestSupport.h"

#include "app/TForm1.h"

#include "chart/axes/TChartAxis.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "model/BHNcalc.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/form/ControlColor.h"
#include "platform/form/EFormError.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TLabel.h"
#include "platform/form/TRadioGroup.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

TPoints CurvePoints(const BHNcalc::TCurve& curve)
{
    TPoints points;
    for (int i = 0; i < BHNcalc::GridPoints; ++i) {
        points.emplace_back(BHNcalc::GridBHN(i), curve[static_cast<std::size_t>(i)]);
    }
    return points;
}

TEST_F(TForm1Test, CreationRunsNoHandler)
{
    EXPECT_EQ(form.Edit4->Text(), "270");
    EXPECT_EQ(form.Edit2->Text(), "1.0");
    EXPECT_EQ(form.Series4->Count(), 0);
    EXPECT_EQ(form.Series1->Count(), 0);
    EXPECT_FALSE(form.Activated());
}

TEST_F(TForm1Test, StartUpStateAfterTheFirstActivation)
{
    Show();
    EXPECT_EQ(form.Edit1->Text(), "237");
    EXPECT_EQ(form.Edit4->Text(), "270.0");
    EXPECT_EQ(form.Edit2->Text(), "0.0");
    EXPECT_EQ(form.Edit3->Text(), "1");
    EXPECT_EQ(form.Edit5->Text(), "0");
    EXPECT_EQ(form.Edit1->Color(), clWindow);
    EXPECT_EQ(form.Edit4->Color(), clWindow);
    EXPECT_EQ(PointsOf(*form.Series1), CurvePoints(BHNcalc::SelectedCurve));
    EXPECT_EQ(PointsOf(*form.Series2), CurvePoints(BHNcalc::Curve0To35));
    EXPECT_EQ(PointsOf(*form.Series3), CurvePoints(BHNcalc::Curve40To60));
    EXPECT_EQ(PointsOf(*form.Series6), CurvePoints(BHNcalc::CurveAPFSDS));
    EXPECT_EQ(PointsOf(*form.Series7), CurvePoints(BHNcalc::CurveM62));
    EXPECT_EQ(PointsOf(*form.Series8), CurvePoints(BHNcalc::CurveM79));
    EXPECT_EQ(PointsOf(*form.Series9), CurvePoints(BHNcalc::SelectedCurve));
    EXPECT_EQ(form.Series1->Count(), 33);
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(270));
    EXPECT_EQ(form.Series5->Count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form.Button1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TForm1Test, ActivationHandlerRunsOnlyOnce)
{
    Show();
    form.Edit2->SetText("marker");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.Edit2->Text(), "marker");
}

struct TCalculateCase {
    int Mode;
    const char* Multiplier;
    const char* Quality;
    const char* Inverse;
};

class TCalculateTest : public TForm1Test, public ::testing::WithParamInterface<TCalculateCase> {};

TEST_P(TCalculateTest, WritesTheResultsAndTheVariableMarker)
{
    Show();
    SelectMode(GetParam().Mode);
    EXPECT_EQ(form.Edit2->Text(), "0.0");
    Calculate();
    EXPECT_EQ(form.Edit2->Text(), GetParam().Multiplier);
    EXPECT_EQ(form.Edit3->Text(), GetParam().Quality);
    EXPECT_EQ(form.Edit5->Text(), GetParam().Inverse);
    EXPECT_EQ(PointsOf(*form.Series5), MarkerAt(237));
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(270));
    Calculate();
    EXPECT_EQ(form.Edit3->Text(), GetParam().Quality);
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, TCalculateTest,
                         ::testing::Values(TCalculateCase{0, "1.288", "0.9328", "1.0721"},
                                           TCalculateCase{4, "1.055", "0.9596", "1.0421"}));

TEST_F(TForm1Test, StandardFieldIsJudgedOnEveryKeystroke)
{
    Show();
    Calculate();
    ASSERT_EQ(form.Series5->Count(), 2);
    struct TStep {
        QString Key;
        TColor Color;
    };
    form.Edit4->setFocus();
    form.Edit4->selectAll();
    QTest::keyClick(form.Edit4, Qt::Key_Backspace);
    EXPECT_EQ(form.Edit4->Color(), clSilver);
    EXPECT_EQ(BHNcalc::StandardBHN, 270);
    for (const TStep& step : {TStep{"3", clSilver}, TStep{"0", clSilver}, TStep{"0", clWindow}}) {
        QTest::keyClicks(form.Edit4, step.Key);
        EXPECT_EQ(form.Edit4->Color(), step.Color) << form.Edit4->Text();
    }
    EXPECT_EQ(form.Edit4->Text(), "300");
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(300));
    EXPECT_EQ(form.Series5->Count(), 0);
}

TEST_F(TForm1Test, RejectedStandardKeepsTheChartAndCalculateUses270)
{
    Show();
    Type(form.Edit4, "300");
    Type(form.Edit4, "3000");
    EXPECT_EQ(form.Edit4->Color(), clSilver);
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(300));
    Calculate();
    EXPECT_EQ(form.Edit4->Color(), clSilver);
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(270));
    EXPECT_EQ(form.Edit3->Text(), "0.9328");
}

TEST_F(TForm1Test, SettingTheSameTextFromCodeRaisesNoChange)
{
    Show();
    form.Edit4->SetText("300");
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(300));
    form.Series4->ClearPoints();
    form.Edit4->SetText("300");
    EXPECT_EQ(form.Series4->Count(), 0);
}

struct TEntryCase {
    const char* Field;
    const char* Text;
    TColor Color;
};

class TEntryRangeTest : public TForm1Test, public ::testing::WithParamInterface<TEntryCase> {};

TEST_P(TEntryRangeTest, FieldColourShowsWhetherTheEntryIsAccepted)
{
    Show();
    const bool variable = std::string(GetParam().Field) == "variable";
    TEdit* edit = variable ? form.Edit1 : form.Edit4;
    Type(edit, QString::fromUtf8(GetParam().Text));
    if (variable) {
        Calculate();
    }
    EXPECT_EQ(edit->Color(), GetParam().Color);
    const QImage shown = edit->grab().toImage();
    // Below the text, inside the frame.
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() - 3), ControlColor(GetParam().Color));
}

INSTANTIATE_TEST_SUITE_P(Entries, TEntryRangeTest,
                         ::testing::Values(TEntryCase{"variable", "360", clWindow}, TEntryCase{"variable", "360.5", clSilver},
                                           TEntryCase{"variable", "200", clWindow}, TEntryCase{"variable", "199.99", clSilver},
                                           TEntryCase{"variable", "2.7E+2", clWindow}, TEntryCase{"variable", "27O", clSilver},
                                           TEntryCase{"variable", "270°", clSilver}, TEntryCase{"standard", "360", clSilver},
                                           TEntryCase{"standard", "359", clWindow}, TEntryCase{"standard", " 270", clWindow},
                                           TEntryCase{"standard", "270 ", clSilver}, TEntryCase{"standard", "270,0", clSilver}));

TEST_F(TForm1Test, InvalidVariableLeavesEveryResultUntouched)
{
    Show();
    Calculate();
    Type(form.Edit1, "");
    Calculate();
    EXPECT_EQ(form.Edit1->Color(), clSilver);
    EXPECT_EQ(form.Edit2->Text(), "1.288");
    EXPECT_EQ(form.Edit3->Text(), "0.9328");
    EXPECT_EQ(form.Edit5->Text(), "1.0721");
    EXPECT_EQ(PointsOf(*form.Series5), MarkerAt(237));
    Type(form.Edit1, "250");
    Calculate();
    EXPECT_EQ(form.Edit1->Color(), clWindow);
    EXPECT_EQ(PointsOf(*form.Series5), MarkerAt(250));
}

TEST_F(TForm1Test, ModeChangeRedrawsTheChartButLeavesTheResults)
{
    Show();
    Calculate();
    SelectMode(4);
    EXPECT_EQ(BHNcalc::SelectedMode, 4);
    EXPECT_EQ(PointsOf(*form.Series1), CurvePoints(BHNcalc::CurveM62));
    EXPECT_EQ(PointsOf(*form.Series9), CurvePoints(BHNcalc::CurveM62));
    EXPECT_EQ(form.Series5->Count(), 0);
    EXPECT_EQ(form.Edit2->Text(), "1.288");
    EXPECT_EQ(form.Edit3->Text(), "0.9328");
}

TEST_F(TForm1Test, ClickingTheSelectedModeDoesNothing)
{
    Show();
    form.Series1->ClearPoints();
    SelectMode(0);
    EXPECT_EQ(form.Series1->Count(), 0);
    EXPECT_EQ(form.RadioGroup1->ItemIndex(), 0);
}

TEST_F(TForm1Test, OverflowingNumeralIsShownAndTheWindowKeepsWorking)
{
    Show();
    Type(form.Edit4, "300");
    Type(form.Edit4, "1e5000");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "test_app");
    EXPECT_EQ(boxes[0].Text, "Floating point overflow.");
    // What the handler wrote before the error stays: the standard is back at 270, the chart still shows 300.
    EXPECT_EQ(BHNcalc::StandardBHN, 270);
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(300));
    Type(form.Edit4, "280");
    EXPECT_EQ(PointsOf(*form.Series4), MarkerAt(280));
    Calculate();
    EXPECT_EQ(form.Edit2->Text(), "1.288");
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(TForm1Test, OverflowFromCodeComesBackOutOfSetText)
{
    Show();
    EXPECT_THROW(form.Edit4->SetText("1e5000"), BHNcalc::EOverflow);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TForm1Test, WindowLayout)
{
    EXPECT_EQ(form.Caption(), "BHN Equivalent Armor Protection Calculator");
    EXPECT_EQ(form.size(), QSize(563, 426));
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(form.font().family(), "Liberation Sans");
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_TRUE(form.Button1->font().bold());
    EXPECT_FALSE(form.Edit1->font().bold());
    EXPECT_TRUE(form.Label7->font().bold());
    EXPECT_FALSE(form.Label8->font().bold());
    EXPECT_EQ(form.Label7->parentWidget(), form.Chart1);

    const std::vector<std::pair<QWidget*, QRect>> geometry{
        {form.Edit1, QRect(8, 24, 41, 21)},         {form.Edit4, QRect(56, 24, 41, 21)},
        {form.Button1, QRect(104, 8, 65, 57)},      {form.Edit2, QRect(176, 24, 41, 21)},
        {form.Edit3, QRect(232, 24, 49, 21)},       {form.Edit5, QRect(304, 24, 49, 21)},
        {form.RadioGroup1, QRect(360, 0, 201, 65)}, {form.Chart1, QRect(8, 72, 553, 337)},
    };
    for (const auto& [control, rect] : geometry) {
        EXPECT_EQ(control->geometry(), rect) << control->objectName().toStdString();
    }
    const std::vector<std::pair<TLabel*, QPoint>> labels{
        {form.Label1, {8, 8}},     {form.Label13, {8, 48}},  {form.Label4, {56, 8}},   {form.Label6, {56, 48}},
        {form.Label3, {176, 8}},   {form.Label2, {224, 8}},  {form.Label5, {310, 8}},  {form.Label14, {480, 152}},
        {form.Label7, {472, 168}}, {form.Label8, {464, 192}}, {form.Label9, {464, 208}}, {form.Label11, {480, 232}},
        {form.Label10, {464, 248}}, {form.Label12, {464, 264}},
    };
    for (const auto& [label, position] : labels) {
        EXPECT_EQ(label->pos(), position) << label->Caption();
    }

    const std::vector<std::string> items{"Avg.", "0°-35°", "40°-60°", "APDSFS", "3\" M62", "3\" M79", "Weighed", "Tests"};
    EXPECT_EQ(form.RadioGroup1->Items(), items);
    EXPECT_EQ(form.RadioGroup1->Caption(), "Armor Test and Averages");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(form.RadioGroup1->Button(i)->geometry(), QRect(8 + 63 * (i / 3), 15 + 15 * (i % 3), 63, 15)) << i;
    }
}

TEST_F(TForm1Test, TabKeyWalksTheTabOrder)
{
    Show();
    // Tab skips a control that takes no keyboard focus (the chart, like a panel, takes none); in the
    // radio group it lands on the selected button.
    std::vector<QWidget*> expected{form.Button1, form.Edit1};
    if ((form.Chart1->focusPolicy() & Qt::TabFocus) != 0) {
        expected.push_back(form.Chart1);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{form.Edit2, form.Edit3, form.Edit4, form.Edit5, form.RadioGroup1->Button(0),
                                                   form.Button1}) {
        expected.push_back(control);
    }
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(visited.back(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, expected);
}

class TKeyOnCalculate : public TForm1Test, public ::testing::WithParamInterface<Qt::Key> {};

// The focus starts on Calculate, and Return or Enter presses it.
TEST_P(TKeyOnCalculate, PressesCalculate)
{
    Show();
    ASSERT_EQ(QApplication::focusWidget(), form.Button1);
    QTest::keyClick(form.Button1, GetParam());
    EXPECT_EQ(form.Edit2->Text(), "1.288");
    EXPECT_EQ(form.Edit5->Text(), "1.0721");
}

INSTANTIATE_TEST_SUITE_P(Keys, TKeyOnCalculate, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

TEST_F(TForm1Test, ChartConfiguration)
{
    TChart& chart = form.Chart1->Chart();
    EXPECT_FALSE(chart.View3D());
    EXPECT_EQ(chart.BevelOuter(), bvNone);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 200);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 360);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0.9);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 1.5);
    EXPECT_EQ(chart.LeftAxis().Title().Caption(), "Equivalent Protection of 320 BHN");
    EXPECT_EQ(chart.BottomAxis().Title().Caption(), "Hardness");

    struct TSeriesCase {
        TChartSeries* Series;
        const char* Title;
        TColor Color;
        bool InLegend;
    };
    const std::vector<TSeriesCase> cases{
        {form.Series1, "Selected", clBlack, true},  {form.Series2, "0°-35°", clLime, true},
        {form.Series3, "40°-60°", 0xFF8000, true},  {form.Series4, "", clBlue, false},
        {form.Series5, "", clFuchsia, false},       {form.Series6, "APFSDS", 0x808040, true},
        {form.Series7, "3\" M62", 0xFF0080, true},  {form.Series8, "3\" M79", clRed, true},
        {form.Series9, "", clGreen, false},
    };
    ASSERT_EQ(chart.SeriesList().size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(chart.SeriesList()[i], cases[i].Series) << i;
        EXPECT_EQ(cases[i].Series->Title(), cases[i].Title) << i;
        EXPECT_EQ(cases[i].Series->SeriesColor(), cases[i].Color) << i;
        EXPECT_EQ(cases[i].Series->ShowInLegend(), cases[i].InLegend) << i;
        EXPECT_FALSE(cases[i].Series->Marks().Visible()) << i;
    }
    EXPECT_FALSE(form.Series1->Pointer().Visible());
    EXPECT_TRUE(form.Series9->Pointer().Visible());
    EXPECT_EQ(form.Series9->Pointer().Style(), psDiamond);
}

// A form text that differs from the embedded one in a single line.
std::string ReplaceLine(const std::string& text, const std::string& line, const std::string& replacement, int& lineNumber)
{
    const std::size_t at = text.find(line + "\n");
    lineNumber = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    return text.substr(0, at) + replacement + text.substr(at + line.size());
}

TEST_F(TForm1Test, MalformedFormLineIsReportedWithItsNumber)
{
    struct TBadLine {
        std::string Line;
        std::string Replacement;
        std::string Reason;
    };
    const std::string text = TForm1::EmbeddedFormText();
    for (const TBadLine& bad : {
             TBadLine{"    Columns = 3", "    Columns = three", "RadioGroup1.Columns: malformed value: the name three where an integer is expected"},
             TBadLine{"    LeftAxis.Increment = 0.1", "    LeftAxis.Incremnt = 0.1", "Chart1.LeftAxis.Incremnt: unknown property 'LeftAxis.Incremnt' of TChartAxis"},
             TBadLine{"    object Series9: TPointSeries", "    object Series9: TPointSerie", "unknown class TPointSerie"},
         }) {
        int lineNumber = 0;
        const std::string broken = ReplaceLine(text, bad.Line, bad.Replacement, lineNumber);
        try {
            TForm1 brokenForm(broken, "BHN1.form");
            ADD_FAILURE() << "loaded with " << bad.Replacement;
        } catch (const EFormError& error) {
            EXPECT_EQ(error.what(), "BHN1.form:" + std::to_string(lineNumber) + ": " + bad.Reason);
        }
    }
}

}  // namespace
