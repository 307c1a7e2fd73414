#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TBitmapDevice.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"

#include <array>
#include <memory>

// The chart's canvas: projection (2D, orthogonal 3D, free 3D) and the off-screen buffer.
class BHN_CHART_API TChartCanvas3D : public TCanvas3D {
public:
    TChartCanvas3D() = default;

    TPoint Calc3DPos(int x, int y, int z) const override;
    bool Is3D() const override { return is3D_; }
    bool SupportsFullRotation() const override { return false; }

    void TextOut3D(int x, int y, int z, std::string_view text) override;
    void RotatedText(int x, int y, int z, int angle, std::string_view text) override;

    void MoveTo3D(int x, int y, int z) override;
    void LineTo3D(int x, int y, int z) override;
    void LineWithZ(int x0, int y0, int x1, int y1, int z) override;
    void HorizLine3D(int x0, int x1, int y, int z) override;
    void VertLine3D(int x, int y0, int y1, int z) override;
    void ZLine3D(int x, int y, int z0, int z1) override;

    void EllipseWithZ(int left, int top, int right, int bottom, int z) override;
    void PolygonWithZ(std::span<const TPoint> points, int z) override;
    void RectangleWithZ(const TRect& rect, int z) override;
    void RectangleZ(int left, int top, int bottom, int z0, int z1) override;
    void RectangleY(int left, int top, int right, int z0, int z1) override;
    void Cube(int left, int right, int top, int bottom, int z0, int z1) override;
    void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction) override;

    void ClipCube(const TRect& rect, int z0, int z1) override;

    void FrontPlaneBegin() override;
    void FrontPlaneEnd() override;

    TRect InitWindow(TDrawingDevice& destination, TView3DOptions* options, const TRect& rect, bool is3D) override;
    void SetProjection(int depth, const TRect& plotRect) override;
    void ShowImage(TDrawingDevice& destination, TPoint position) override;
    bool PaintFromBuffer() override;
    void Invalidate() final { bufferDirty_ = true; }
    bool BufferDirty() const override { return bufferDirty_; }
    bool Buffered() const override { return buffered_; }
    void SetBuffered(bool value) override;
    bool Monochrome() const override { return monochrome_; }
    void SetMonochrome(bool value) override;

    // The off-screen buffer, or none before the first buffered paint.
    TBitmapDevice* Bitmap() const { return bitmap_.get(); }
    // Drops the buffer; the next buffered paint makes a new one and draws the whole chart into it.
    void DiscardBitmap();
    TView3DOptions* View3DOptions() const { return options_; }
    bool IsOrthogonal() const { return isOrthogonal_; }
    double ZoomFactor() const { return zoomFactor_; }

private:
    // The text font scaled by the zoom factor when zoomed text applies.
    int ZoomedFontHeight() const;
    void CalcRotation();

    TView3DOptions* options_ = nullptr;
    bool is3D_ = false;
    bool savedIs3D_ = false;
    bool isOrthogonal_ = false;
    double zoomFactor_ = 1.0;
    bool zoomText_ = true;
    double perspectiveFactor_ = 0.0;
    int cx_ = 0;
    int cy_ = 0;
    int cz_ = 0;
    int ox_ = 0;
    int oy_ = 0;
    std::array<double, 9> rotation_{1, 0, 0, 0, 1, 0, 0, 0, 1};
    bool buffered_ = true;
    bool monochrome_ = false;
    bool bufferDirty_ = true;
    std::unique_ptr<TBitmapDevice> bitmap_;
};
