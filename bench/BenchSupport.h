#pragma once

#include "support/TRecordingDevice.h"
#include "platform/QtDeviceMapping.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QtMath>

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

// A recorded picture replayed with plain QPainter calls: one call per primitive, one drawText per
// text, one drawLine per line, no text layout kept between frames. State is set only when it changes.
class TNaiveReplay {
public:
    explicit TNaiveReplay(const std::vector<TDrawRecord>& records)
    {
        const TRecordedState* last = nullptr;
        for (const TDrawRecord& r : records) {
            if (r.Op == TDrawOp::MoveTo || r.Op == TDrawOp::ClipRect || r.Op == TDrawOp::UnClip || r.Op == TDrawOp::CopyBitmap)
                continue;
            if (last == nullptr || !(*last == r.State)) {
                states_.push_back(TState{MakePen(r.State.Pen), MakeBrush(r.State.Brush), MakeFont(r.State.Font),
                    ToQColor(r.State.Font.Color), r.State.Clip ? std::optional<QRect>(CellOf(*r.State.Clip)) : std::nullopt});
                last = &r.State;
            }
            TOp op{r.Op, static_cast<int>(states_.size()) - 1, QPoint(r.P1.X, r.P1.Y), QPoint(r.P2.X, r.P2.Y),
                QRect(r.Rect.Left, r.Rect.Top, r.Rect.Width(), r.Rect.Height()), -1};
            if (r.Op == TDrawOp::TextOut) {
                op.Extra = static_cast<int>(texts_.size());
                texts_.push_back(QString::fromStdString(r.Text));
            } else if (r.Op == TDrawOp::Polygon || r.Op == TDrawOp::Polyline) {
                op.Extra = static_cast<int>(polygons_.size());
                QPolygon polygon;
                for (const TPoint& p : r.Points)
                    polygon << QPoint(p.X, p.Y);
                polygons_.push_back(polygon);
            }
            ops_.push_back(op);
        }
    }

    std::size_t Size() const { return ops_.size(); }

    void Replay(QImage& image) const
    {
        QPainter painter(&image);
        int state = -1;
        for (const TOp& op : ops_) {
            if (op.State != state) {
                state = op.State;
                const TState& s = states_[static_cast<std::size_t>(state)];
                painter.setPen(s.Pen);
                painter.setBrush(s.Brush);
                painter.setFont(s.Font);
                if (s.Clip)
                    painter.setClipRect(*s.Clip);
                else
                    painter.setClipping(false);
            }
            const TState& s = states_[static_cast<std::size_t>(state)];
            switch (op.Op) {
            case TDrawOp::LineTo:
                painter.drawLine(op.P1, op.P2);
                break;
            case TDrawOp::TextOut:
                painter.setPen(s.TextColor);
                painter.drawText(op.P1.x(), op.P1.y() + 10, texts_[static_cast<std::size_t>(op.Extra)]);
                painter.setPen(s.Pen);
                break;
            case TDrawOp::Rectangle:
                painter.drawRect(op.Rect.adjusted(0, 0, -1, -1));
                break;
            case TDrawOp::FillRect:
                painter.fillRect(op.Rect, s.Brush);
                break;
            case TDrawOp::RoundRect:
                painter.drawRoundedRect(op.Rect, op.P1.x() / 2.0, op.P1.y() / 2.0);
                break;
            case TDrawOp::Ellipse:
                painter.drawEllipse(op.Rect);
                break;
            case TDrawOp::Polygon:
                painter.drawPolygon(polygons_[static_cast<std::size_t>(op.Extra)]);
                break;
            case TDrawOp::Polyline:
                painter.drawPolyline(polygons_[static_cast<std::size_t>(op.Extra)]);
                break;
            case TDrawOp::SetPixel:
                painter.drawPoint(op.P1);
                break;
            case TDrawOp::Arc:
                painter.drawArc(op.Rect, 0, 16 * 360);
                break;
            case TDrawOp::Pie:
                painter.drawPie(op.Rect, 0, 16 * 90);
                break;
            default:
                break;
            }
        }
    }

private:
    struct TState {
        QPen Pen;
        QBrush Brush;
        QFont Font;
        QColor TextColor;
        std::optional<QRect> Clip;
    };
    struct TOp {
        TDrawOp Op;
        int State;
        QPoint P1;
        QPoint P2;
        QRect Rect;
        int Extra;
    };
    std::vector<TState> states_;
    std::vector<TOp> ops_;
    std::vector<QString> texts_;
    std::vector<QPolygon> polygons_;
};

// Times the replay of the records onto a white RGB32 image of the given logical size, with scale
// pixels per logical pixel.
inline void TimeNaiveReplay(benchmark::State& state, const std::vector<TDrawRecord>& records, int width, int height,
    qreal scale = 1.0)
{
    const TNaiveReplay replay(records);
    QImage image(qCeil(width * scale), qCeil(height * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    for (auto _ : state)
        replay.Replay(image);
    state.counters["primitives"] = static_cast<double>(replay.Size());
    benchmark::DoNotOptimize(image.constBits());
}

// Closes the windows the benchmarks opened, while the application still exists.
void ReleaseBenchWindows();
