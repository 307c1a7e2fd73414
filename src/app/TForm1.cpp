#include "app/TForm1.h"

#include "app/TChartActions.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "model/BHNcalc.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartFormClasses.h"
#include "platform/form/EFormError.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TLabel.h"
#include "platform/form/TRadioGroup.h"

#include <QFile>

#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <string>

TForm1* Form1 = nullptr;

// The resource declaration must stay outside any namespace.
static void InitFormResource()
{
    Q_INIT_RESOURCE(BHN1);
}

namespace {

template <class T>
void BindControl(QWidget& form, T*& field, const char* name)
{
    field = form.findChild<T*>(QString::fromLatin1(name));
    if (field == nullptr) {
        throw EFormError(std::string("the form has no control ") + name + " of the expected class");
    }
}

// Parses a hardness field into InputValid and value; the field is white when accepted, grey when not,
// and a grey field says in its tooltip what it accepts.
bool JudgeHardness(TEdit& edit, int maximum, double& value)
{
    constexpr int Minimum = 200;
    edit.SetColor(clWindow);
    edit.SetHint({});
    BHNcalc::ParseHardness(edit.AnsiText(), Minimum, maximum, BHNcalc::InputValid, value);
    if (!BHNcalc::InputValid) {
        edit.SetColor(clSilver);
        edit.SetHint(std::to_string(Minimum) + " to " + std::to_string(maximum) + " BHN");
    }
    return BHNcalc::InputValid;
}

}  // namespace

std::string TForm1::EmbeddedFormText()
{
    InitFormResource();
    QFile file(QStringLiteral(":/BHN1.form"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw EFormError("BHN1.form is missing from the program");
    }
    return file.readAll().toStdString();
}

TForm1::TForm1(std::string_view formText, const std::string& fileName)
{
    TFormClassTable classes = StandardControlClasses();
    AddChartFormClasses(classes);
    const std::map<std::string, std::function<void()>> methods{
        {"FormActivate", [this] { FormActivate(); }},
        {"Button1Click", [this] { Button1Click(); }},
        {"Edit4Change", [this] { Edit4Change(); }},
        {"RadioGroup1Click", [this] { RadioGroup1Click(); }},
    };
    LoadForm(formText, fileName, "TForm1", Properties(), classes, methods);
    BindFields();
    ChartActions = new TChartActions(*this);
}

void TForm1::BindFields()
{
    BindControl(*this, Button1, "Button1");
    BindControl(*this, Edit1, "Edit1");
    BindControl(*this, Chart1, "Chart1");
    BindControl(*this, Edit2, "Edit2");
    BindControl(*this, Edit3, "Edit3");
    BindControl(*this, Label1, "Label1");
    BindControl(*this, Label2, "Label2");
    BindControl(*this, Label3, "Label3");
    BindControl(*this, Edit4, "Edit4");
    BindControl(*this, Label4, "Label4");
    BindControl(*this, Label5, "Label5");
    BindControl(*this, Edit5, "Edit5");
    BindControl(*this, RadioGroup1, "RadioGroup1");
    BindControl(*this, Label7, "Label7");
    BindControl(*this, Label8, "Label8");
    BindControl(*this, Label9, "Label9");
    BindControl(*this, Label10, "Label10");
    BindControl(*this, Label11, "Label11");
    BindControl(*this, Label12, "Label12");
    BindControl(*this, Label6, "Label6");
    BindControl(*this, Label13, "Label13");
    BindControl(*this, Label14, "Label14");
    chartSeries_.emplace(Chart1->Chart());
    Series1 = chartSeries_->Series1;
    Series2 = chartSeries_->Series2;
    Series3 = chartSeries_->Series3;
    Series4 = chartSeries_->Series4;
    Series5 = chartSeries_->Series5;
    Series6 = chartSeries_->Series6;
    Series7 = chartSeries_->Series7;
    Series8 = chartSeries_->Series8;
    Series9 = chartSeries_->Series9;
}

void TForm1::FormActivate()
{
    using namespace BHNcalc;
    Edit2->SetText(FormatFixed(StandardProtection, 1, 1));
    StandardBHN = 270;
    // Rewriting "270" as "270.0" is a real change: Edit4Change runs before SetText returns.
    Edit4->SetText(FormatFixed(StandardBHN, 1, 1));
    StandardProtection = InterpolateProtection(StandardBHN);
    GraphBHN();
}

void TForm1::Edit4Change()
{
    using namespace BHNcalc;
    InputBHN0();
    if (InputValid) {
        StandardProtection = InterpolateProtection(StandardBHN);
        GraphBHN();
    }
}

void TForm1::Button1Click()
{
    using namespace BHNcalc;
    InputBHN();
    if (!InputValid) {
        return;
    }
    // The standard is what the last change of its field left, not parsed again here.
    StandardProtection = InterpolateProtection(StandardBHN);
    SelectCurve(SelectedMode);
    const double variableProtection = InterpolateProtection(VariableBHN);
    GraphBHN();
    Edit2->SetText(FormatFixed(variableProtection, 1, 3));
    chartSeries_->MarkVariable(VariableBHN);
    const double quality = RelativeQuality(StandardProtection, variableProtection);
    Edit3->SetText(FormatFixed(quality, 1, 4));
    Edit5->SetText(FormatFixed(InverseQuality(quality), 1, 4));
    DescribeChart();
}

void TForm1::RadioGroup1Click()
{
    using namespace BHNcalc;
    SelectedMode = RadioGroup1->ItemIndex();
    SelectCurve(SelectedMode);
    GraphBHN();
}

void TForm1::InputBHN0()
{
    BHNcalc::StandardBHN = 270;
    double value = 0.0;
    if (JudgeHardness(*Edit4, 359, value)) {
        BHNcalc::StandardBHN = value;
    }
}

void TForm1::InputBHN()
{
    double value = 0.0;
    if (JudgeHardness(*Edit1, 360, value)) {
        BHNcalc::VariableBHN = value;
    }
}

void TForm1::GraphBHN()
{
    chartSeries_->Graph(BHNcalc::SelectedCurve, BHNcalc::StandardBHN);
    DescribeChart();
}

// What the chart shows, for assistive technology: the mode, the hardness markers and the results beside it.
void TForm1::DescribeChart()
{
    const auto hardness = [](const TChartSeries& marker) {
        if (marker.Count() == 0) {
            return std::string("not calculated");
        }
        std::array<char, 32> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), marker.XValueAt(0)).ptr;
        return std::string(digits.data(), end) + " BHN";
    };
    const int mode = RadioGroup1->ItemIndex();
    const std::string modeName = mode < 0 ? std::string("none") : RadioGroup1->Items()[static_cast<std::size_t>(mode)];
    const std::string description = "Mode " + modeName + "; standard hardness " + hardness(*Series4)
                                    + "; variable hardness " + hardness(*Series5) + "; multiplier " + Edit2->Text()
                                    + "; relative quality " + Edit3->Text() + "; inverse " + Edit5->Text();
    Chart1->setAccessibleDescription(QString::fromStdString(description));
}
