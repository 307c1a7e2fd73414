#include "platform/form/TEdit.h"

#include "platform/TApplication.h"
#include "platform/form/ControlColor.h"
#include "platform/form/ControlProperties.h"
#include "platform/form/FormValues.h"

#include <utility>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    SetColor(clWindow);
    connect(this, &QLineEdit::textChanged, this, &TEdit::TextChanged);
}

std::string TEdit::Text() const
{
    return text().toStdString();
}

void TEdit::SetText(const std::string& text)
{
    ++settingText_;
    setText(QString::fromStdString(text));
    --settingText_;
    if (pendingError_) {
        std::rethrow_exception(std::exchange(pendingError_, nullptr));
    }
}

std::string TEdit::AnsiText() const
{
    return text().toLatin1().toStdString();
}

void TEdit::SetColor(TColor color)
{
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ControlColor(color));
    setPalette(palette);
}

void TEdit::TextChanged()
{
    if (!OnChange) {
        return;
    }
    if (settingText_ > 0) {
        try {
            OnChange();
        } catch (...) {
            pendingError_ = std::current_exception();
        }
        return;
    }
    TApplication::Dispatch(OnChange);
}

const TPropertyTable<TEdit>& TEdit::Properties()
{
    static const TPropertyTable<TEdit> table = [] {
        TPropertyTable<TEdit> t("TEdit");
        t.Include(ControlProperties());
        t.Add("Text", [](TEdit& c, const TFormValue& v) { c.SetText(FormString(v)); });
        t.Add("Color", [](TEdit& c, const TFormValue& v) { c.SetColor(FormColor(v)); });
        t.AddEvent("OnChange", [](TEdit& c, std::function<void()> handler) { c.OnChange = std::move(handler); });
        return t;
    }();
    return table;
}
