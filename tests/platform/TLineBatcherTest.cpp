#include "platform/TLineBatcher.h"

#include "platform/QtDeviceMapping.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const TDevicePen Black{clBlack, psSolid, 1, pmCopy};
const TDevicePen Red{clRed, psSolid, 1, pmCopy};

// A batcher whose painter is open on a white image, in the state a batch is started in.
class LineBatcher : public ::testing::Test {
protected:
    LineBatcher() : image(24, 12, QImage::Format_RGB32) { Open(); }

    void Open()
    {
        image.fill(Qt::white);
        batcher = std::make_unique<TLineBatcher>(TLineBatcher::TTarget{&image, &image, QTransform(), 1, false, image.size()});
        batcher->OpenPainter()->setPen(MakePen(Black));
    }

    // The row's pixels: '.' white, 'k' black, 'r' red, '?' anything else.
    std::string Row(int y) const
    {
        std::string s;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            s += p == qRgb(255, 255, 255) ? '.' : p == qRgb(0, 0, 0) ? 'k' : p == qRgb(255, 0, 0) ? 'r' : '?';
        }
        return s;
    }

    QImage image;
    std::unique_ptr<TLineBatcher> batcher;
};

struct TAfterGathering {
    const char* Name;
    std::function<void()> Then;
    const char* Row;
};

// A black line is gathered on row 5; whatever comes next must find it drawn as it was gathered.
TEST_F(LineBatcher, GatheredLinesAreDrawnBeforeAnythingElseReachesThePainter)
{
    const TAfterGathering cases[] = {
        {"the painter paints over them",
         [this] { batcher->OpenPainter()->fillRect(QRect(0, 5, 24, 1), Qt::white); },
         "........................"},
        {"a batch in another pen starts",
         [this] {
             batcher->Start(Red, bmTransparent);
             batcher->Add({8, 5}, {10, 5});
         },
         "..kkkkkkrrkk............"},
        {"the painter closes", [this] { batcher->End(); }, "..kkkkkkkkkk............"},
        {"the batcher goes", [this] { batcher.reset(); }, "..kkkkkkkkkk............"},
    };
    for (const TAfterGathering& c : cases) {
        Open();
        batcher->Start(Black, bmTransparent);
        batcher->Add({2, 5}, {12, 5});
        c.Then();
        if (batcher)
            batcher->End();
        EXPECT_EQ(Row(5), c.Row) << c.Name;
    }
}

struct TJoinCase {
    const char* Name;
    TDevicePen Pen;
    TBackMode BackMode;
    bool Joins;
};

// A line joins the open batch only in the pen and back mode the batch was started in.
TEST_F(LineBatcher, OnlyLinesInTheBatchsPenAndBackModeJoinIt)
{
    const TDevicePen dashed{clBlack, psDash, 1, pmCopy};
    EXPECT_FALSE(batcher->Gathering(dashed, bmTransparent)) << "before any batch";
    const TJoinCase cases[] = {
        {"the same", dashed, bmTransparent, true},
        {"another colour", {clRed, psDash, 1, pmCopy}, bmTransparent, false},
        {"another style", {clBlack, psDot, 1, pmCopy}, bmTransparent, false},
        {"another width", {clBlack, psDash, 0, pmCopy}, bmTransparent, false},
        {"another mode", {clBlack, psDash, 1, pmNotXor}, bmTransparent, false},
        {"another back mode", dashed, bmOpaque, false},
    };
    batcher->Start(dashed, bmTransparent);
    for (const TJoinCase& c : cases)
        EXPECT_EQ(batcher->Gathering(c.Pen, c.BackMode), c.Joins) << c.Name;
    batcher->OpenPainter();
    EXPECT_FALSE(batcher->Gathering(dashed, bmTransparent)) << "after the painter was handed out";
    batcher->Start(dashed, bmTransparent);
    batcher->SetClip(QRect(0, 0, 5, 5));
    EXPECT_FALSE(batcher->Gathering(dashed, bmTransparent)) << "after the clip changed";
    batcher->Start(dashed, bmTransparent);
    batcher->End();
    EXPECT_FALSE(batcher->Gathering(dashed, bmTransparent)) << "after the painter closed";
}

struct TBatchable {
    TDevicePen Pen;
    TBackMode BackMode;
    bool Batched;
};

// Only lines that paint the same pixels in any order are gathered: not wide ones, not raster
// operations, not lines whose gaps are painted.
TEST(LineBatcherRule, OnlyThinCopyLinesWithoutPaintedGapsAreGathered)
{
    const TBatchable cases[] = {
        {{clBlack, psSolid, 1, pmCopy}, bmOpaque, true},
        {{clBlack, psSolid, 0, pmCopy}, bmOpaque, true},
        {{clBlack, psSolid, 2, pmCopy}, bmTransparent, false},
        {{clBlack, psSolid, 1, pmNotXor}, bmTransparent, false},
        {{clBlack, psDash, 1, pmCopy}, bmTransparent, true},
        {{clBlack, psDash, 1, pmCopy}, bmOpaque, false},
        {{clBlack, psAlternate, 1, pmCopy}, bmTransparent, true},
        {{clBlack, psClear, 1, pmCopy}, bmTransparent, false},
        {{clBlack, psInsideFrame, 1, pmCopy}, bmTransparent, false},
    };
    for (const TBatchable& c : cases)
        EXPECT_EQ(TLineBatcher::CanBatch(c.Pen, c.BackMode), c.Batched)
            << "style " << int(c.Pen.Style) << ", width " << c.Pen.Width << ", mode " << int(c.Pen.Mode) << ", back mode "
            << int(c.BackMode);
}

struct TOpenCase {
    const char* Name;
    QImage::Format Format;
    int WholeScale;
    QTransform View;
    bool Pixels;
};

// The batcher opens its own painter: aliased, through the view, clipped as set before; the surface's
// pixels are written directly only on a 32-bit image at a whole scale.
TEST(LineBatcherPainter, OpensOnItsTargetWithTheClipAndFindsTheSurface)
{
    const TOpenCase cases[] = {
        {"a 32-bit image", QImage::Format_RGB32, 1, QTransform(), true},
        {"doubled", QImage::Format_ARGB32_Premultiplied, 2, QTransform(), true},
        {"through a view", QImage::Format_RGB32, 0, QTransform::fromScale(1.5, 1.5), false},
        {"an 8-bit image", QImage::Format_Grayscale8, 1, QTransform(), false},
    };
    for (const TOpenCase& c : cases) {
        QImage image(24, 12, c.Format);
        TLineBatcher batcher({&image, &image, c.View, c.WholeScale, false, QSize(12, 6)});
        batcher.SetClip(QRect(2, 1, 20, 3));
        QPainter* painter = batcher.OpenPainter();
        ASSERT_NE(painter, nullptr) << c.Name;
        EXPECT_TRUE(batcher.Painting()) << c.Name;
        EXPECT_FALSE(painter->testRenderHint(QPainter::Antialiasing)) << c.Name;
        EXPECT_EQ(painter->worldTransform(), c.View) << c.Name;
        EXPECT_TRUE(painter->hasClipping()) << c.Name;
        EXPECT_EQ(painter->clipBoundingRect().toAlignedRect(), QRect(2, 1, 20, 3)) << c.Name;
        const TLineBatcher::TSurface& surface = batcher.Surface();
        EXPECT_EQ(surface.Pixels, c.Pixels ? image.bits() : nullptr) << c.Name;
        EXPECT_EQ(surface.BytesPerLine, c.Pixels ? image.bytesPerLine() : 0) << c.Name;
        EXPECT_TRUE(surface.Raster) << c.Name;
        if (c.WholeScale == 2) {
            EXPECT_EQ(surface.Clip, QRect(4, 2, 20, 6)) << c.Name << ": the clip within the drawing, in image pixels";
        }
        batcher.SetClip(std::nullopt);
        EXPECT_FALSE(painter->hasClipping()) << c.Name;
        batcher.End();
        EXPECT_FALSE(batcher.Painting()) << c.Name;
    }
    QImage empty;
    TLineBatcher none({&empty, &empty, QTransform(), 1, false, QSize()});
    EXPECT_EQ(none.OpenPainter(), nullptr);
    EXPECT_FALSE(none.Painting());
}

struct TSurfaceCase {
    const char* Name;
    bool Pixels;
    QRect Clip;
};

// More lines than one flush holds, written into the image or left to the painter: every one lands as
// QPainter alone draws it.
TEST(LineBatcherPixels, EveryGatheredLineLandsAsQPainterDrawsIt)
{
    const TSurfaceCase cases[] = {
        {"into the pixels", true, QRect(0, 0, 64, 48)},
        {"into the pixels, clipped", true, QRect(5, 4, 50, 40)},
        {"painter only", false, QRect(5, 4, 50, 40)},
    };
    const TDevicePen pen{RGBColor(10, 120, 230), psSolid, 1, pmCopy};
    std::vector<QLine> lines;
    for (int i = 0; i < 3000; ++i) {
        // Horizontal, vertical and slanted lines in both directions, inside every clip.
        const QPoint from(14 + (i * 37) % 31, 13 + (i * 11) % 23);
        const QPoint step = i % 3 == 0 ? QPoint(i % 17 - 8, 0) : (i % 3 == 1 ? QPoint(0, i % 13 - 6) : QPoint(i % 9 - 4, i % 7 - 3));
        lines.emplace_back(from, from + step);
    }
    for (const TSurfaceCase& c : cases) {
        QImage ours(64, 48, QImage::Format_RGB32);
        ours.fill(Qt::white);
        QImage theirs = ours.copy();
        {
            TLineBatcher batcher({&ours, c.Pixels ? &ours : nullptr, QTransform(), 1, false, ours.size()});
            batcher.SetClip(c.Clip);
            batcher.OpenPainter()->setPen(MakePen(pen));
            batcher.Start(pen, bmTransparent);
            for (const QLine& line : lines)
                batcher.Add(line.p1(), line.p2());
        }
        QPainter painter(&theirs);
        painter.setClipRect(c.Clip);
        painter.setPen(MakePen(pen));
        for (const QLine& line : lines)
            painter.drawLine(ThinLineOf(line.p1(), line.p2()));
        painter.end();
        EXPECT_TRUE(ours == theirs) << c.Name;
    }
}

// A paint engine that keeps the paths it is asked to draw, as a vector surface such as a printer does.
class TPathEngine : public QPaintEngine {
public:
    TPathEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath& path) override { Paths.push_back(path); }
    Type type() const override { return QPaintEngine::User; }

    std::vector<QPainterPath> Paths;
};

class TPathSurface : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<QPainterPath>& Paths() const { return engine_.Paths; }

protected:
    // 100 x 100 points of a 72 dpi page.
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100;
        case PdmWidthMM:
        case PdmHeightMM:
            return 35;
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 72;
        }
    }

private:
    mutable TPathEngine engine_;
};

// The path's elements: "M x,y" starts a stroke, "L x,y" continues it.
std::string Elements(const QPainterPath& path)
{
    std::string s;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (i > 0)
            s += ' ';
        s += e.isMoveTo() ? 'M' : 'L';
        s += std::to_string(int(e.x));
        s += ',';
        s += std::to_string(int(e.y));
    }
    return s;
}

struct TPathCase {
    const char* Name;
    std::vector<QLine> Lines;
    const char* Path;
};

// On a vector surface the gathered lines are one path, each run of connected lines one stroke.
TEST(LineBatcherPaths, ConnectedLinesAreOneStrokeOfOnePath)
{
    const TPathCase cases[] = {
        {"one line", {{2, 3, 8, 3}}, "M2,3 L8,3"},
        {"a run", {{2, 3, 8, 3}, {8, 3, 8, 9}, {8, 9, 1, 1}}, "M2,3 L8,3 L8,9 L1,1"},
        {"a gap", {{2, 3, 8, 3}, {9, 3, 12, 3}}, "M2,3 L8,3 M9,3 L12,3"},
        {"back to the start", {{2, 3, 8, 3}, {8, 3, 2, 3}, {2, 3, 2, 7}}, "M2,3 L8,3 L2,3 L2,7"},
        {"a run after a gap", {{0, 0, 1, 0}, {5, 5, 6, 6}, {6, 6, 7, 5}}, "M0,0 L1,0 M5,5 L6,6 L7,5"},
    };
    for (const TPathCase& c : cases) {
        TPathSurface surface;
        {
            TLineBatcher batcher({&surface, nullptr, QTransform(), 0, true, QSize(100, 100)});
            batcher.OpenPainter()->setPen(MakePen(Black));
            batcher.Start(Black, bmTransparent);
            for (const QLine& line : c.Lines)
                batcher.Add(line.p1(), line.p2());
        }
        ASSERT_EQ(surface.Paths().size(), 1u) << c.Name;
        EXPECT_EQ(Elements(surface.Paths()[0]), c.Path) << c.Name;
    }
}

}
