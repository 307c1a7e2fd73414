#include "chart/panel/TChartPicture.h"

void TChartPicture::SetGraphic(std::shared_ptr<const TChartGraphic> graphic)
{
    if (graphic_ == graphic)
        return;
    graphic_ = std::move(graphic);
    if (onChange_)
        onChange_();
}
