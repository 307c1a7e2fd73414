#include "platform/form/TButton.h"

#include "platform/TApplication.h"
#include "platform/form/ControlProperties.h"
#include "platform/form/FormValues.h"

#include <QKeyEvent>

TButton::TButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick) {
            TApplication::Dispatch(OnClick);
        }
    });
}

std::string TButton::Caption() const
{
    return text().toStdString();
}

void TButton::SetCaption(const std::string& caption)
{
    setText(QString::fromStdString(caption));
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

const TPropertyTable<TButton>& TButton::Properties()
{
    static const TPropertyTable<TButton> table = [] {
        TPropertyTable<TButton> t("TButton");
        t.Include(ControlProperties());
        t.Add("Caption", [](TButton& c, const TFormValue& v) { c.SetCaption(FormString(v)); });
        t.AddEvent("OnClick", [](TButton& c, std::function<void()> handler) { c.OnClick = std::move(handler); });
        return t;
    }();
    return table;
}
