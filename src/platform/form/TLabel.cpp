#include "platform/form/TLabel.h"

#include "platform/form/ControlProperties.h"
#include "platform/form/FormValues.h"

#include <QEvent>

TLabel::TLabel(QWidget* parent) : QLabel(parent) {}

std::string TLabel::Caption() const
{
    return text().toStdString();
}

void TLabel::SetCaption(const std::string& caption)
{
    setText(QString::fromStdString(caption));
    adjustSize();
}

void TLabel::SetFocusControl(const std::string& name)
{
    focusControl_ = name;
}

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustSize();
    }
}

const TPropertyTable<TLabel>& TLabel::Properties()
{
    static const TPropertyTable<TLabel> table = [] {
        TPropertyTable<TLabel> t("TLabel");
        t.Include(ControlProperties());
        t.Add("Caption", [](TLabel& c, const TFormValue& v) { c.SetCaption(FormString(v)); });
        t.Add("FocusControl", [](TLabel& c, const TFormValue& v) { c.SetFocusControl(FormIdentifier(v)); });
        return t;
    }();
    return table;
}
