#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TNotifyEvent.h"
#include "chart/panel/TChartGraphic.h"

#include <memory>
#include <utility>

// The back image holder: empty, or one shared graphic.
class BHN_CHART_API TChartPicture {
public:
    TChartPicture() = default;
    explicit TChartPicture(TNotifyEvent onChange) : onChange_(std::move(onChange)) {}
    TChartPicture(const TChartPicture&) = delete;
    TChartPicture& operator=(const TChartPicture&) = delete;

    bool HasGraphic() const { return graphic_ != nullptr; }
    const TChartGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::shared_ptr<const TChartGraphic> graphic);
    void Assign(const TChartPicture& source) { SetGraphic(source.graphic_); }

    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

private:
    std::shared_ptr<const TChartGraphic> graphic_;
    TNotifyEvent onChange_;
};
