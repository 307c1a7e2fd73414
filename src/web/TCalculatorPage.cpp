#include "web/TCalculatorPage.h"

#include "app/window/ChartLayoutJson.h"
#include "chart/axes/TChartAxis.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "numeric/FloatChars.h"
#include "platform/form/ChartProperties.h"
#include "platform/form/EFormError.h"
#include "platform/form/FormNodeSearch.h"
#include "platform/form/FormValues.h"
#include "platform/form/ReadBareChart.h"
#include "platform/form/TFormParser.h"

#include <emscripten.h>

EM_JS(void, bhn_page_request_paint, (), { BhnPage.requestPaint(); });
EM_JS(void, bhn_page_cursor, (int cursor), { BhnPage.setCursor(cursor); });
EM_JS(void, bhn_page_describe_chart, (const char* text), { BhnPage.describeChart(UTF8ToString(text)); });

namespace {

// The control classes the page builds itself from the form; the chart reader passes over them.
const std::vector<std::string> PageControlClasses{"TLabel", "TEdit", "TButton", "TRadioGroup"};

// The chart's own settings are the engine's; the rest (place, size, tab order, font, name for assistive
// technology) are the page element's, which the page applies.
void SetChartProperty(TChart& chart, std::string_view path, const TFormValue& value, TFormLoadContext& context)
{
    if (ChartEngineProperties().Knows(path)) {
        ChartEngineProperties().Set(chart, path, value, context);
    }
}

}  // namespace

TCalculatorPage::TCalculatorPage(std::string_view formText, const std::string& fileName, int canvasId)
    : chart_(ReadBareChart(formText, fileName, "TForm1", "Chart1", PageControlClasses, SetChartProperty))
{
    const TFormNode form = ParseForm(formText, fileName);
    const TFormNode* chartNode = FindFormObject(form, "Chart1");
    const TFormNode* radioNode = FindFormObject(form, "RadioGroup1");
    const TFormValue* items = radioNode == nullptr ? nullptr : FindFormProperty(*radioNode, "Items");
    if (chartNode == nullptr || items == nullptr) {
        throw EFormError(fileName + ": the form has no chart Chart1 or no RadioGroup1 with items");
    }
    if (const std::optional<TFormSize> size = FindFormSize(*chartNode)) {
        chart_->SetSize(size->Width, size->Height);
    }
    window_ = std::make_unique<TCanvasDevice>(canvasId, chart_->Width(), chart_->Height());
    radioGroup1_ = std::make_unique<TPageRadioGroup>("RadioGroup1", FormStrings(*items));
    calculator_ = std::make_unique<TCalculatorWindow>(
        TCalculatorControls{edit1_, edit2_, edit3_, edit4_, edit5_, *radioGroup1_}, *chart_);
    calculator_->OnDescribeChart = [](const std::string& description) { bhn_page_describe_chart(description.c_str()); };
    chart_->SetWindowDevice(window_.get());
    chart_->OnInvalidate = [] { bhn_page_request_paint(); };
    chart_->OnRepaint = [this] { Paint(); };
    chart_->OnZoomRectangleChanged = [] { bhn_page_request_paint(); };
    chart_->OnCursorChange = [](TCursor cursor) { bhn_page_cursor(cursor); };
    Bind(form);
}

void TCalculatorPage::Bind(const TFormNode& node)
{
    const auto& handlers = TCalculatorWindow::HandlersByName();
    for (const TFormProperty& property : node.Properties) {
        if (property.Path.starts_with("On")) {
            const auto handler = handlers.find(FormIdentifier(property.Value));
            if (handler == handlers.end()) {
                throw EFormError("line " + std::to_string(property.Line) + ": no handler "
                                 + FormIdentifier(property.Value));
            }
            events_[node.Name + "." + property.Path] = [this, method = handler->second] { ((*calculator_).*method)(); };
        }
    }
    for (const TFormNode& child : node.Children) {
        Bind(child);
    }
}

void TCalculatorPage::Event(const std::string& control, const std::string& event)
{
    const auto handler = events_.find(control + "." + event);
    if (handler != events_.end()) {
        handler->second();
    }
}

std::string TCalculatorPage::LayoutJson()
{
    const std::unique_ptr<TBitmapDevice> surface = window_->CreateBitmap(chart_->Width(), chart_->Height(), bfColor);
    return ChartLayoutJson(*chart_, *surface);
}

std::string TCalculatorPage::ProbeJson() const
{
    const auto number = [](double value) {
        char digits[32];
        return std::string(digits, FloatChars::ToChars(digits, digits + sizeof digits, value));
    };
    const TCalculatorSeries& series = calculator_->Series();
    const TChartSeries* all[] = {series.Series1, series.Series2, series.Series3, series.Series4, series.Series5,
                                 series.Series6, series.Series7, series.Series8, series.Series9};
    std::string json = "{\"series\":{";
    for (const TChartSeries* one : all) {
        json += (json.back() == '{' ? "\"" : ",\"") + one->Name() + "\":[";
        for (int i = 0; i < one->Count(); ++i) {
            json += (i == 0 ? "" : ",") + number(one->YValueAt(i));
        }
        json += ']';
    }
    const TChartAxis& bottom = chart_->BottomAxis();
    const TChartAxis& left = chart_->LeftAxis();
    json += "},\"axes\":[" + number(bottom.Minimum()) + "," + number(bottom.Maximum()) + "," + number(left.Minimum())
            + "," + number(left.Maximum()) + "]}";
    return json;
}

std::pair<int, int> TCalculatorPage::ValuePixel(double x, double y) const
{
    return {chart_->BottomAxis().XValueToPixel(x), chart_->LeftAxis().YValueToPixel(y)};
}

int TCalculatorPage::FullDraw()
{
    chart_->DrawPicture(*window_, TRect{0, 0, chart_->Width(), chart_->Height()});
    return window_->CanvasId();
}

void TCalculatorPage::Paint()
{
    chart_->Paint(*window_);
}

void TCalculatorPage::Present()
{
    window_->Present();
}
