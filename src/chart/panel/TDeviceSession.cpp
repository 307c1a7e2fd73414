#include "chart/panel/TDeviceSession.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomChartPanel.h"

TDeviceSession::TDeviceSession(TCustomChartPanel& panel, TDrawingDevice& device, TDrawingTarget target)
    : panel_(panel)
    , buffered_(panel.canvas_->Buffered())
    , printing_(panel.printingNow_)
    , paintingWindow_(panel.paintingWindow_)
{
    // A session changes only what its target asks for, so one may run inside another.
    if (target == TDrawingTarget::Picture || target == TDrawingTarget::Printer)
        panel_.canvas_->SetBuffered(false);
    if (target == TDrawingTarget::Printer)
        panel_.printingNow_ = true;
    if (target == TDrawingTarget::Window)
        panel_.paintingWindow_ = true;
    panel_.canvas_->AttachCanvas(device);
}

TDeviceSession::~TDeviceSession()
{
    TChartCanvas3D& canvas = *panel_.canvas_;
    panel_.paintingWindow_ = paintingWindow_;
    panel_.printingNow_ = printing_;
    canvas.SetBuffered(buffered_);
    if (panel_.windowDevice_ != nullptr)
        canvas.AttachCanvas(*panel_.windowDevice_);
    else if (TBitmapDevice* bitmap = canvas.Bitmap())
        canvas.AttachCanvas(*bitmap);
}
