#pragma once

#include "app/TEditBinding.h"
#include "app/TRadioGroupBinding.h"
#include "app/window/TCalculatorWindow.h"
#include "platform/form/TCustomForm.h"

#include <optional>
#include <string>
#include <string_view>

class TButton;
class TChartActions;
class TWindowActions;
class TEdit;
class TLabel;
class TRadioGroup;
class TChartWidget;
class TLineSeries;
class TPointSeries;

// The calculator window: hardness entries, results, mode selector and the chart of the protection curves,
// all built from the embedded form description BHN1.form; the handlers it runs are TCalculatorWindow's.
class TForm1 : public TCustomForm {
    Q_OBJECT
public:
    // Builds the window from a form text; throws EFormError naming fileName and the line.
    explicit TForm1(std::string_view formText = EmbeddedFormText(), const std::string& fileName = "BHN1.form");

    static std::string EmbeddedFormText();

    TButton* Button1 = nullptr;
    TEdit* Edit1 = nullptr;
    TChartWidget* Chart1 = nullptr;
    TEdit* Edit2 = nullptr;
    TLineSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TLineSeries* Series3 = nullptr;
    TEdit* Edit3 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLineSeries* Series4 = nullptr;
    TLineSeries* Series5 = nullptr;
    TEdit* Edit4 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* Edit5 = nullptr;
    TLineSeries* Series6 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TLineSeries* Series7 = nullptr;
    TLineSeries* Series8 = nullptr;
    TPointSeries* Series9 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
    // Copy, save and print of the chart and results; owned by the window.
    TChartActions* ChartActions = nullptr;
    // Closing and About from the keyboard; owned by the window.
    TWindowActions* WindowActions = nullptr;

    void FormActivate();
    // Refills the nine series: the five curves, the selected curve with its grid points, the standard marker.
    void GraphBHN();

private:
    void BindFields();

    // The handlers' view of the fields, then the handlers themselves, made once the form is read.
    std::optional<TEditBinding> edit1_;
    std::optional<TEditBinding> edit2_;
    std::optional<TEditBinding> edit3_;
    std::optional<TEditBinding> edit4_;
    std::optional<TEditBinding> edit5_;
    std::optional<TRadioGroupBinding> radioGroup1_;
    std::optional<TCalculatorWindow> window_;
};
