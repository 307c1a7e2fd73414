#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/PenTypes.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"

// The canvas pen: colour, style, width and raster mode. Setters compare, store and notify.
class BHN_CHART_API TPen {
public:
    TPen() = default;
    TPen(TColor color, TPenStyle style, int width, TPenMode mode);
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;
    virtual ~TPen() = default;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value);

    // Copies colour, style, width and mode; notifies once when anything changed.
    void Assign(const TPen& source);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler);

protected:
    void Changed() const;
    // Copies the settings without notifying; tells whether anything changed.
    bool CopySettings(const TPen& source);

private:
    TColor color_ = clBlack;
    TPenStyle style_ = psSolid;
    int width_ = 1;
    TPenMode mode_ = pmCopy;
    TNotifyEvent onChange_;
};
