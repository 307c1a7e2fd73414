// The Qt device's text: fonts with their metrics, texts laid out once, and the pixels of texts
// drawn on a plain background kept for the next frame.

#include "platform/TQtDevice.h"

#include "platform/QtDeviceMapping.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

void TQtDevice::SetFont(const TDeviceFont& font)
{
    if (font == font_)
        return;
    font_ = font;
    fontEntry_ = nullptr;
    fontApplied_ = false;
}

TQtDevice::TFontEntry& TQtDevice::CurrentFont()
{
    if (fontEntry_ == nullptr)
        fontEntry_ = &EntryFor(font_);
    return *fontEntry_;
}

TQtDevice::TFontEntry& TQtDevice::EntryFor(const TDeviceFont& font)
{
    for (const auto& entry : fonts_)
        if (entry->Key == font)
            return *entry;
    constexpr std::size_t MaxFonts = 32;
    if (fonts_.size() >= MaxFonts)
        fonts_.clear();
    const QFont qfont = MakeFont(font);
    // The cell is ascent + descent rounded up, as the classic device reports a text height.
    const QFontMetricsF exact(qfont);
    const int ascent = static_cast<int>(std::ceil(exact.ascent()));
    const int cell = std::max(ascent, static_cast<int>(std::ceil(exact.ascent() + exact.descent())));
    fonts_.push_back(std::make_unique<TFontEntry>(TFontEntry{font, qfont, QFontMetrics(qfont), ascent, cell, {}}));
    return *fonts_.back();
}

TQtDevice::TTextLayout& TQtDevice::LayoutOf(std::string_view text)
{
    auto& texts = CurrentFont().Texts;
    if (const auto found = texts.find(text); found != texts.end())
        return found->second;
    constexpr std::size_t MaxTexts = 1024;
    if (texts.size() >= MaxTexts)
        texts.clear();
    return texts.emplace(std::string(text), TTextLayout{}).first->second;
}

TSize TQtDevice::TextExtent(std::string_view text)
{
    if (text.empty())
        return {0, CurrentFont().CellHeight};
    return {TextWidthOf(text), CurrentFont().CellHeight};
}

int TQtDevice::TextWidthOf(std::string_view text)
{
    TTextLayout& layout = LayoutOf(text);
    if (layout.Width < 0)
        layout.Width = CurrentFont().Metrics.horizontalAdvance(ToQString(text));
    return layout.Width;
}

void TQtDevice::DrawLaidOutText(QPainter& painter, QPoint baseline, std::string_view text, bool level)
{
    TTextLayout& layout = LayoutOf(text);
    if (!layout.LaidOut) {
        // Laid out for the surface drawn on, as drawText lays out for it.
        QTextLayout textLayout(ToQString(text), CurrentFont().Font, target_);
        textLayout.beginLayout();
        const QTextLine line = textLayout.createLine();
        textLayout.endLayout();
        layout.Runs = textLayout.glyphRuns();
        layout.Ascent = line.ascent();
        QRectF bounds;
        for (const QGlyphRun& run : layout.Runs)
            bounds |= run.boundingRect();
        // Smoothed glyph edges may reach a pixel past their outlines.
        layout.Box = bounds.translated(0, -layout.Ascent).toAlignedRect().adjusted(-2, -2, 2, 2);
        layout.LaidOut = true;
    }
    const QRgb ink = ToQColor(font_.Color).rgb();
    const QRect box = batcher_.ImagePixels(layout.Box.translated(baseline));
    const std::optional<QRgb> paper = level ? PlainPaper(box) : std::nullopt;
    if (paper) {
        for (const TTextStamp& stamp : layout.Stamps)
            if (stamp.Ink == ink && stamp.Paper == *paper) {
                stamp.Pixels.Paste(batcher_.Surface().Pixels, batcher_.Surface().BytesPerLine, box.topLeft());
                return;
            }
    }
    for (const QGlyphRun& run : layout.Runs)
        painter.drawGlyphRun(QPointF(baseline) - QPointF(0, layout.Ascent), run);
    if (paper)
        KeepStamp(layout, ink, *paper, box);
}

std::optional<QRgb> TQtDevice::PlainPaper(const QRect& box) const
{
    const TLineBatcher::TSurface& surface = batcher_.Surface();
    if (surface.Pixels == nullptr)
        return std::nullopt;
    if (!surface.Clip.contains(box))
        return std::nullopt;
    return TPixelBlock::PlainColour(surface.Pixels, surface.BytesPerLine, box);
}

void TQtDevice::KeepStamp(TTextLayout& layout, QRgb ink, QRgb paper, const QRect& box)
{
    // Texts in many colours on many backgrounds would keep stamps without end: a few per text, and
    // all are dropped when they hold more pixels than a few screens.
    constexpr std::size_t MaxStampsPerText = 4;
    constexpr std::size_t MaxStampedPixels = std::size_t{1} << 22;
    if (layout.Stamps.size() >= MaxStampsPerText)
        return;
    const std::size_t size = static_cast<std::size_t>(box.width()) * static_cast<std::size_t>(box.height());
    if (stampedPixels_ + size > MaxStampedPixels) {
        for (const auto& font : fonts_)
            for (auto& [key, text] : font->Texts)
                text.Stamps.clear();
        stampedPixels_ = 0;
    }
    const TLineBatcher::TSurface& surface = batcher_.Surface();
    layout.Stamps.push_back(TTextStamp{ink, paper, TPixelBlock::Capture(surface.Pixels, surface.BytesPerLine, box)});
    stampedPixels_ += size;
}

void TQtDevice::TextOut(int x, int y, std::string_view text)
{
    QPainter* painter = ReadyPainter();
    if (painter == nullptr || text.empty())
        return;
    const unsigned horizontal = textAlign_ & TA_HORIZONTAL_MASK;
    // As on the Windows device, text over a clear brush keeps the background whatever the mode says.
    const bool opaque = backMode_ == bmOpaque && brush_.Style != bsClear;
    const int width = horizontal == TA_LEFT && !opaque ? 0 : TextWidthOf(text);
    const unsigned vertical = textAlign_ & TA_VERTICAL_MASK;
    const int dx = horizontal == TA_RIGHT ? -width : (horizontal == TA_CENTER ? -(width / 2) : 0);
    const TFontEntry& font = CurrentFont();
    const int baseline = vertical == TA_BASELINE ? 0 : (vertical == TA_BOTTOM ? font.Ascent - font.CellHeight : font.Ascent);
    UsePlainMode(*painter);
    const bool rotated = font_.Escapement % 3600 != 0;
    QPoint origin(x, y);
    if (rotated) {
        painter->save();
        painter->translate(x, y);
        painter->rotate(-font_.Escapement / 10.0);
        origin = QPoint(0, 0);
    }
    if (opaque)
        painter->fillRect(QRect(origin.x() + dx, origin.y() + baseline - font.Ascent, width, font.CellHeight), ToQColor(backColor_));
    if (!fontApplied_ || rotated) {
        painter->setFont(font.Font);
        fontApplied_ = !rotated;
    }
    painter->setPen(ToQColor(font_.Color));
    penApplied_ = false;
    // Plain one-line text, level or at a right angle, reuses its glyphs; other text is laid out each time.
    const bool plain = font_.Escapement % 900 == 0 && !font_.Style.Contains(fsUnderline) && !font_.Style.Contains(fsStrikeOut)
        && text.find_first_of("\t\n\r") == std::string_view::npos;
    if (plain && batcher_.Surface().Raster)
        DrawLaidOutText(*painter, QPoint(origin.x() + dx, origin.y() + baseline), text, !rotated);
    else
        painter->drawText(QPoint(origin.x() + dx, origin.y() + baseline), ToQString(text));
    if (rotated) {
        painter->restore();
        brushApplied_ = false;
    }
}
