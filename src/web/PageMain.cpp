// The page's entry points: the page's script calls these by name once the module is loaded.
#include "app/window/FormPageJson.h"
#include "chart/canvas/SystemColors.h"
#include "chart/series/ChartSeriesStartup.h"
#include "model/BHNcalc.h"
#include "model/FullStop.h"
#include "platform/ApplicationTitle.h"
#include "platform/form/FormValues.h"
#include "platform/form/RadioButtonPlaces.h"
#include "web/EmbeddedForm.h"
#include "web/TCalculatorPage.h"

#include <emscripten.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>

EM_JS(void, bhn_page_error_box, (const char* caption, const char* text), {
    BhnPage.errorBox(UTF8ToString(caption), UTF8ToString(text));
});

namespace {

constexpr const char* FormFile = "BHN1.form";

std::unique_ptr<TCalculatorPage>& Page()
{
    static std::unique_ptr<TCalculatorPage> page;
    return page;
}

// An error that escapes a handler is shown in the error box, as the desktop window shows it, and the page goes on.
// Whatever the handler painted reaches the page's canvas before the browser shows the page again.
template <class F>
void Dispatch(F handler)
{
    std::optional<std::string> message;
    try {
        handler();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    if (Page()) {
        Page()->Present();
    }
    if (message) {
        bhn_page_error_box(ApplicationTitle("bhncalc").c_str(), BHNcalc::WithFullStop(std::move(*message)).c_str());
    }
}

// Texts handed to the page stay valid until the next call that returns one.
const char* Handed(std::string text)
{
    static std::string handed;
    handed = std::move(text);
    return handed.c_str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* bhn_form_json()
{
    std::string json;
    Dispatch([&] { json = FormPageJson(EmbeddedForm(), FormFile); });
    return Handed(json);
}

// The CSS colour of a colour of the form (a name such as clBtnFace or a $00BBGGRR number).
EMSCRIPTEN_KEEPALIVE const char* bhn_form_color(const char* name)
{
    std::string css = "#000000";
    Dispatch([&] {
        const std::string text(name);
        const bool number = !text.empty() && text[0] == '$';
        const TFormValue value = number ? TFormValue{TFormValueKind::Integer, std::stoll(text.substr(1), nullptr, 16), 0.0, {}, {}}
                                        : TFormValue{TFormValueKind::Identifier, 0, 0.0, text, {}};
        const TColor rgb = ColorToRGB(FormColor(value));
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
        css = buffer;
    });
    return Handed(css);
}

// The places of a radio group's buttons as [left, top, width, height] arrays, as the desktop group places them.
EMSCRIPTEN_KEEPALIVE const char* bhn_radio_places(int count, int columns, int width, int height, int textHeight)
{
    std::string json = "[";
    for (const TRect& place : RadioButtonPlaces(count, columns, width, height, textHeight)) {
        json += (json.size() > 1 ? ",[" : "[") + std::to_string(place.Left) + "," + std::to_string(place.Top) + ","
                + std::to_string(place.Width()) + "," + std::to_string(place.Height()) + "]";
    }
    return Handed(json + "]");
}

EMSCRIPTEN_KEEPALIVE void bhn_start(int canvasId)
{
    Dispatch([&] {
        // The protection model's tables come first, then the chart engine's types, as the desktop program starts.
        BHNcalc::Initialize();
        RegisterChartSeriesTypes();
        Page() = std::make_unique<TCalculatorPage>(EmbeddedForm(), FormFile, canvasId);
    });
}

// The chart's layout on the page's device (ChartLayoutJson), drawn off-screen at its size.
EMSCRIPTEN_KEEPALIVE const char* bhn_layout()
{
    std::string json;
    Dispatch([&] {
        if (Page()) {
            json = Page()->LayoutJson();
        }
    });
    return Handed(json);
}

EMSCRIPTEN_KEEPALIVE const char* bhn_probe()
{
    return Handed(Page() ? Page()->ProbeJson() : std::string("{}"));
}

// The pixel of (x, y) on the bottom and left axes as "[px,py]".
EMSCRIPTEN_KEEPALIVE const char* bhn_value_pixel(double x, double y)
{
    if (!Page()) {
        return Handed("[]");
    }
    const auto [px, py] = Page()->ValuePixel(x, y);
    return Handed("[" + std::to_string(px) + "," + std::to_string(py) + "]");
}

EMSCRIPTEN_KEEPALIVE int bhn_full_draw()
{
    int canvas = 0;
    Dispatch([&] {
        if (Page()) {
            canvas = Page()->FullDraw();
        }
    });
    return canvas;
}

EMSCRIPTEN_KEEPALIVE void bhn_event(const char* control, const char* event)
{
    Dispatch([&] {
        if (Page()) {
            Page()->Event(control, event);
        }
    });
}

EMSCRIPTEN_KEEPALIVE void bhn_paint()
{
    Dispatch([] {
        if (Page()) {
            Page()->Paint();
        }
    });
}

// kind: 0 down, 1 move, 2 up, 3 leave; button: 0 left, 1 right, 2 middle; shift: the engine's shift state bits.
EMSCRIPTEN_KEEPALIVE void bhn_mouse(int kind, int button, int shift, int x, int y)
{
    Dispatch([&] {
        if (!Page()) {
            return;
        }
        TChart& chart = Page()->Chart();
        const auto mouseButton = static_cast<TMouseButton>(button);
        const auto shiftState = static_cast<TShiftState>(shift);
        switch (kind) {
        case 0: chart.MouseDown(mouseButton, shiftState, x, y); break;
        case 1: chart.MouseMove(shiftState, x, y); break;
        case 2: chart.MouseUp(mouseButton, shiftState, x, y); break;
        default: chart.MouseLeave(); break;
        }
    });
}

EMSCRIPTEN_KEEPALIVE void bhn_wheel(int delta)
{
    Dispatch([&] {
        if (Page()) {
            Page()->Chart().MouseWheel(delta);
        }
    });
}

}
