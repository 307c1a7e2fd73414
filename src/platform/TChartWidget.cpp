#include "platform/TChartWidget.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "platform/QtSystemColors.h"

#include <QContextMenuEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>

namespace {

TMouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

Qt::CursorShape ToCursorShape(TCursor cursor)
{
    switch (cursor) {
    case crCross:
        return Qt::CrossCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

TChartWidget::TChartWidget(QWidget* parent)
    : QWidget(parent)
    , referenceDevice_(1, 1)
    , chart_(std::make_unique<TChart>())
{
    InstallQtSystemColors();
    // The chart covers every pixel, so Qt need not erase anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    resize(chart_->Width(), chart_->Height());
    chart_->SetWindowDevice(&referenceDevice_);
    chart_->OnInvalidate = [this] { update(); };
    chart_->OnRepaint = [this] { repaint(); };
    // The zoom rectangle is painted over the unchanged buffer.
    chart_->OnZoomRectangleChanged = [this] { update(); };
    chart_->OnCursorChange = [this](TCursor cursor) { ShowCursor(cursor); };
}

TChartWidget::~TChartWidget() = default;

void TChartWidget::ShowCursor(TCursor cursor)
{
    if (cursor == crDefault)
        unsetCursor();
    else
        setCursor(ToCursorShape(cursor));
}

void TChartWidget::paintEvent(QPaintEvent*)
{
    TQtDevice window(*this);
    // A failure must not unwind through Qt's painting: it is reported once the paint is over, once for a
    // run of failing paints (the error box itself makes the window paint again).
    try {
        // A buffer made for another device pixel ratio (the window moved to another screen) is drawn anew.
        // Every buffer of this window was made by a window device's CreateBitmap.
        const auto* buffer = static_cast<const TQtDevice*>(chart_->Canvas().Bitmap());
        if (buffer != nullptr && buffer->Scale() != window.Scale())
            chart_->Canvas().DiscardBitmap();
        chart_->Paint(window);
        paintFailed_ = false;
    } catch (...) {
        if (paintFailed_)
            return;
        paintFailed_ = true;
        QMetaObject::invokeMethod(
            this, [this, error = std::current_exception()] { emit PaintFailed(error); }, Qt::QueuedConnection);
    }
}

void TChartWidget::resizeEvent(QResizeEvent* event)
{
    chart_->SetSize(event->size().width(), event->size().height());
}

void TChartWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::RightButton)
        rightClickAt_ = p;
    chart_->MouseDown(ToMouseButton(event->button()), ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TChartWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ToShiftState(event->modifiers(), event->buttons()) | ssDouble;
    chart_->MouseDown(ToMouseButton(event->button()), shift, p.x(), p.y());
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (rightClickAt_ && p != *rightClickAt_)
        rightClickAt_.reset();
    chart_->MouseMove(ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    chart_->MouseUp(ToMouseButton(event->button()), ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
    if (event->button() == Qt::RightButton && rightClickAt_ && p == *rightClickAt_)
        emit ContextMenuRequested(event->globalPosition().toPoint());
    if (event->button() == Qt::RightButton)
        rightClickAt_.reset();
}

void TChartWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // A mouse's request is answered when its right button comes up without having moved.
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit ContextMenuRequested(event->globalPos());
    event->accept();
}

void TChartWidget::wheelEvent(QWheelEvent* event)
{
    chart_->MouseWheel(event->angleDelta().y());
    event->accept();
}

void TChartWidget::leaveEvent(QEvent*)
{
    chart_->MouseLeave();
}
