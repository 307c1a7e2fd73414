#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/TChart.h"
#include "platform/TQtDevice.h"

#include <QWidget>

#include <exception>
#include <memory>
#include <optional>

// The chart control on screen: a widget that owns a TChart, paints it through its off-screen
// buffer and forwards mouse, wheel and leave events to it. A right-button click that does not move
// (so starts no scroll) asks for the context menu, as does the keyboard's menu key. A paint that throws
// is reported by PaintFailed once the paint is over, once for a run of failing paints.
class BHN_CHART_API TChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit TChartWidget(QWidget* parent = nullptr);
    ~TChartWidget() override;

    TChart& Chart() { return *chart_; }
    const TChart& Chart() const { return *chart_; }

signals:
    void ContextMenuRequested(QPoint globalPosition);
    void PaintFailed(std::exception_ptr error);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ShowCursor(TCursor cursor);

    // The chart's canvas measures text on it between paints.
    TQtDevice referenceDevice_;
    std::unique_ptr<TChart> chart_;
    // The last paint failed and its error is reported; the next failure in a row is not.
    bool paintFailed_ = false;
    // Where the right button went down, until the mouse moves away from there.
    std::optional<QPoint> rightClickAt_;
};
