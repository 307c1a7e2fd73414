#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TNotifyEvent.h"

#include <functional>

// The 3D view settings of a chart. A change repaints the owner; a Zoom change first tells the zoom handler.
class BHN_CHART_API TView3DOptions {
public:
    using TZoomHandler = std::function<void(int newZoom)>;

    TView3DOptions() = default;
    explicit TView3DOptions(TNotifyEvent onChange);
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    int Elevation() const { return elevation_; }
    void SetElevation(int value);
    int HorizOffset() const { return horizOffset_; }
    void SetHorizOffset(int value);
    bool Orthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool value);
    int Perspective() const { return perspective_; }
    void SetPerspective(int value);
    int Rotation() const { return rotation_; }
    void SetRotation(int value);
    int Tilt() const { return tilt_; }
    void SetTilt(int value);
    int VertOffset() const { return vertOffset_; }
    void SetVertOffset(int value);
    int Zoom() const { return zoom_; }
    void SetZoom(int value);
    bool ZoomText() const { return zoomText_; }
    void SetZoomText(bool value);

    // Copies every setting; repaints once when anything changed.
    void Assign(const TView3DOptions& source);

    void SetOnChange(TNotifyEvent handler);
    void SetOnZoom(TZoomHandler handler);
    // Marks the owner for the next paint (the canvas uses it when its picture kind changes).
    void InvalidateChart() const;

private:
    template <typename T>
    void StoreAndInvalidate(T& field, T value);

    int elevation_ = 345;
    int horizOffset_ = 0;
    bool orthogonal_ = true;
    int perspective_ = 15;
    int rotation_ = 345;
    int tilt_ = 0;
    int vertOffset_ = 0;
    int zoom_ = 100;
    bool zoomText_ = true;
    TNotifyEvent onChange_;
    TZoomHandler onZoom_;
};
