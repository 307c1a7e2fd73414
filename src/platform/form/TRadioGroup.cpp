#include "platform/form/TRadioGroup.h"

#include "platform/TApplication.h"
#include "platform/form/ControlProperties.h"
#include "platform/form/FormValues.h"
#include "platform/form/RadioButtonPlaces.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <qdrawutil.h>

#include <cmath>
#include <stdexcept>

namespace {

// The classic radio button: a 13-pixel circle and 4 pixels before the text, which leaves an item's text
// the room the classic layout gives it.
class TClassicRadioStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 13;
        case PM_RadioButtonLabelSpacing:
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this))
{
    radioStyle_ = new TClassicRadioStyle(style()->name());
    radioStyle_->setParent(this);
    connect(group_, &QButtonGroup::idToggled, this, &TRadioGroup::ButtonToggled);
}

std::string TRadioGroup::Caption() const
{
    return title().toStdString();
}

void TRadioGroup::SetCaption(const std::string& caption)
{
    setTitle(QString::fromStdString(caption));
}

void TRadioGroup::SetItems(const std::vector<std::string>& items)
{
    for (QRadioButton* button : buttons_) {
        delete button;
    }
    buttons_.clear();
    items_ = items;
    itemIndex_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(QString::fromStdString(items_[i]), this);
        button->setStyle(radioStyle_);
        group_->addButton(button, static_cast<int>(i));
        button->show();
        buttons_.push_back(button);
    }
    ArrangeButtons();
}

void TRadioGroup::SetColumns(int columns)
{
    if (columns < 1 || columns > 16) {
        throw std::out_of_range("Columns must be between 1 and 16");
    }
    columns_ = columns;
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(buttons_.size())) {
        throw std::out_of_range("ItemIndex " + std::to_string(index) + " is not an item of the group");
    }
    if (index == itemIndex_) {
        return;
    }
    if (index == -1) {
        group_->setExclusive(false);
        buttons_[static_cast<std::size_t>(itemIndex_)]->setChecked(false);
        group_->setExclusive(true);
        itemIndex_ = -1;
        return;
    }
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return buttons_.at(static_cast<std::size_t>(index));
}

void TRadioGroup::ButtonToggled(int index, bool checked)
{
    if (!checked || index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    if (OnClick) {
        TApplication::Dispatch(OnClick);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ArrangeButtons();
    }
}

int TRadioGroup::CaptionTextHeight() const
{
    const QFontMetricsF metrics(font());
    return static_cast<int>(std::ceil(metrics.ascent() + metrics.descent()));
}

QRect TRadioGroup::FrameRect() const
{
    return rect().adjusted(0, CaptionTextHeight() / 2 - 1, 0, 0);
}

QRect TRadioGroup::CaptionRect() const
{
    if (title().isEmpty()) {
        return {};
    }
    return {8, 0, static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(title()))), CaptionTextHeight()};
}

void TRadioGroup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawShadeRect(&painter, FrameRect(), palette(), true, 1, 0);
    const QRect caption = CaptionRect();
    if (!caption.isEmpty()) {
        painter.fillRect(caption, palette().brush(backgroundRole()));
        style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(), title(),
                              foregroundRole());
    }
}

void TRadioGroup::ArrangeButtons()
{
    const std::vector<TRect> places
        = RadioButtonPlaces(static_cast<int>(buttons_.size()), columns_, width(), height(), CaptionTextHeight());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const TRect& place = places[i];
        buttons_[i]->setGeometry(place.Left, place.Top, place.Width(), place.Height());
    }
}

const TPropertyTable<TRadioGroup>& TRadioGroup::Properties()
{
    static const TPropertyTable<TRadioGroup> table = [] {
        TPropertyTable<TRadioGroup> t("TRadioGroup");
        t.Include(ControlProperties());
        t.Add("Caption", [](TRadioGroup& c, const TFormValue& v) { c.SetCaption(FormString(v)); });
        t.Add("Items", [](TRadioGroup& c, const TFormValue& v) { c.SetItems(FormStrings(v)); });
        t.Add("Columns", [](TRadioGroup& c, const TFormValue& v) { c.SetColumns(FormInteger(v)); });
        t.Add("ItemIndex", [](TRadioGroup& c, const TFormValue& v) { c.SetItemIndex(FormInteger(v)); });
        t.AddEvent("OnClick", [](TRadioGroup& c, std::function<void()> handler) { c.OnClick = std::move(handler); });
        return t;
    }();
    return table;
}
