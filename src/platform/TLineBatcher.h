#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TDeviceState.h"
#include "chart/canvas/TextAlign.h"

#include <QLine>
#include <QLineF>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <cstddef>
#include <optional>
#include <vector>

// The device's painter and the thin lines it gathers. Thin lines in copy mode (solid, or dashed over a
// transparent background) paint the same pixels in any order, so they are gathered and drawn together:
// straight into the image where possible, the rest in one QPainter call, or on a vector surface each run
// of connected lines as one path. The batcher alone opens the painter on its target, configures it, clips
// it and ends it; it hands the painter out only with the gathered lines drawn, so nothing can be drawn
// before them or change the painter under them. A batch keeps the pen and back mode it was started in,
// and lines in any other cannot join it.
class BHN_CHART_API TLineBatcher {
public:
    // What the painter draws on, fixed for the batcher's life.
    struct TTarget {
        QPaintDevice* Device = nullptr;
        // The device when it is an image, whose pixels lines may be written into; else none.
        QImage* Image = nullptr;
        // Maps logical pixels onto the device's own units (a printer's page, a vector file).
        QTransform View;
        // Image pixels per logical pixel when that is a whole number, else 0 (no pixels are written).
        int WholeScale = 1;
        // Whether a logical pixel is more (or other) than one pixel of the surface.
        bool Enlarged = false;
        // The drawing's size in logical pixels.
        QSize Logical;
    };
    // Where a batch's lines land, as found when the painter opened.
    struct TSurface {
        // The 32-bit pixels the painter draws on, or none: then the painter draws every line.
        uchar* Pixels = nullptr;
        qsizetype BytesPerLine = 0;
        // The pixels drawing may reach, in image pixels.
        QRect Clip;
        // Image pixels per logical pixel when that is a whole number, else 0 (no pixels are written).
        int Scale = 1;
        // Whether a logical pixel is more (or other) than one pixel of the surface.
        bool Enlarged = false;
        // Whether the painter turns everything into pixels.
        bool Raster = true;
    };

    explicit TLineBatcher(const TTarget& target);
    TLineBatcher(const TLineBatcher&) = delete;
    TLineBatcher& operator=(const TLineBatcher&) = delete;
    // Draws the gathered lines and closes the painter.
    ~TLineBatcher();

    // Whether lines in the pen over the back mode paint the same pixels in any order.
    static bool CanBatch(const TDevicePen& pen, TBackMode backMode);
    // The thin line Qt draws for a segment: on an enlarged surface it runs through the middle of the
    // logical pixels, as wide as the pen.
    static QLineF ThinSegment(QPoint from, QPoint to, bool enlarged);

    // The painter with the gathered lines drawn, for drawing anything else or changing its pen, brush or
    // font; it ends the open batch. A closed painter is opened on the target: aliased, through the view,
    // with the clip. None when the target is empty; a target that refuses a painter throws EDeviceError.
    QPainter* OpenPainter();
    bool Painting() const { return painter_.isActive(); }
    // Draws the gathered lines and closes the painter.
    void End();
    // The surface as found when the painter last opened, with the current clip.
    const TSurface& Surface() const { return surface_; }

    // Limits drawing to the logical rectangle, or lifts the limit; the gathered lines are drawn first.
    void SetClip(const std::optional<QRect>& logical);
    const std::optional<QRect>& Clip() const { return clip_; }
    // A logical rectangle in image pixels.
    QRect ImagePixels(const QRect& logical) const;

    // Whether a line in the pen over the back mode joins the open batch.
    bool Gathering(const TDevicePen& pen, TBackMode backMode) const
    {
        return open_ && pen == pen_ && backMode == backMode_;
    }
    // Draws the lines gathered so far and opens a batch for lines in the pen over the back mode. The
    // painter must be open with that pen, in copy mode.
    void Start(const TDevicePen& pen, TBackMode backMode);
    // Gathers a line of the open batch; its start point is painted, its end point not.
    void Add(QPoint from, QPoint to)
    {
        lines_.emplace_back(from, to);
        if (lines_.size() >= MaxGathered)
            Flush();
    }

private:
    // Drawn in short batches, the gathered lines are still in the processor's cache.
    static constexpr std::size_t MaxGathered = 1024;

    void Flush();
    void StrokePath();
    // The pixels drawing may reach: the clip within the drawing, in image pixels.
    QRect PixelClip() const;

    const TTarget target_;
    QPainter painter_;
    std::optional<QRect> clip_;
    TSurface surface_;
    TDevicePen pen_;
    TBackMode backMode_ = bmOpaque;
    bool open_ = false;
    // The gathered lines from start to end point, and those of them left to QPainter.
    std::vector<QLine> lines_;
    std::vector<QLineF> painterLines_;
};
