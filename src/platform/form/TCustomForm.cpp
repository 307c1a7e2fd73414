#include "platform/form/TCustomForm.h"

#include "platform/TApplication.h"
#include "platform/form/ControlColor.h"
#include "platform/form/ControlProperties.h"
#include "platform/form/EFormError.h"
#include "platform/form/FormValues.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TFormObjectOf.h"
#include "platform/form/TFormParser.h"
#include "platform/form/TFormReader.h"
#include "platform/form/TLabel.h"
#include "platform/form/TRadioGroup.h"

#include <QEvent>
#include <QPixmap>

#include <algorithm>

namespace {

template <class T>
TFormCreator ControlCreator()
{
    return [](TFormObject& parent, const std::string& name, TFormLoadContext&) -> std::unique_ptr<TFormObject> {
        QWidget* container = parent.ControlParent();
        if (container == nullptr) {
            throw EFormError("a " + T::Properties().ClassName() + " must be placed on a control");
        }
        auto* control = new T(container);
        control->setObjectName(QString::fromStdString(name));
        return std::make_unique<TFormObjectOf<T>>(*control, T::Properties());
    };
}

}  // namespace

TFormClassTable StandardControlClasses()
{
    TFormClassTable classes;
    classes.Add("TLabel", ControlCreator<TLabel>());
    classes.Add("TEdit", ControlCreator<TEdit>());
    classes.Add("TButton", ControlCreator<TButton>());
    classes.Add("TRadioGroup", ControlCreator<TRadioGroup>());
    return classes;
}

TCustomForm::TCustomForm()
{
    setAutoFillBackground(true);
    SetColor(clBtnFace);
}

std::string TCustomForm::Caption() const
{
    return windowTitle().toStdString();
}

void TCustomForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void TCustomForm::SetColor(TColor color)
{
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ControlColor(color));
    setPalette(palette);
}

void TCustomForm::SetClientWidth(int width)
{
    resize(width, height());
}

void TCustomForm::SetClientHeight(int height)
{
    resize(width(), height);
}

void TCustomForm::SetIcon(const std::vector<std::string>& xpmRows)
{
    std::vector<const char*> rows;
    for (const std::string& row : xpmRows) {
        rows.push_back(row.c_str());
    }
    rows.push_back(nullptr);
    const QPixmap icon(rows.data());
    if (icon.isNull()) {
        throw EFormError("the icon is not a readable XPM image");
    }
    setWindowIcon(icon);
}

const TPropertyTable<TCustomForm>& TCustomForm::Properties()
{
    static const TPropertyTable<TCustomForm> table = [] {
        TPropertyTable<TCustomForm> t("TForm");
        t.Add("Left", [](TCustomForm& f, const TFormValue& v) { f.move(FormInteger(v), f.y()); });
        t.Add("Top", [](TCustomForm& f, const TFormValue& v) { f.move(f.x(), FormInteger(v)); });
        t.Add("ClientWidth", [](TCustomForm& f, const TFormValue& v) { f.SetClientWidth(FormInteger(v)); });
        t.Add("ClientHeight", [](TCustomForm& f, const TFormValue& v) { f.SetClientHeight(FormInteger(v)); });
        t.Add("Caption", [](TCustomForm& f, const TFormValue& v) { f.SetCaption(FormString(v)); });
        t.Add("Color", [](TCustomForm& f, const TFormValue& v) { f.SetColor(FormColor(v)); });
        t.Add("Icon", [](TCustomForm& f, const TFormValue& v) { f.SetIcon(FormStrings(v)); });
        t.AddObject<QWidget>("Font", [](TCustomForm& f) -> QWidget& { return f; }, FontProperties());
        t.AddEvent("OnActivate", [](TCustomForm& f, std::function<void()> handler) { f.OnActivate = std::move(handler); });
        return t;
    }();
    return table;
}

void TCustomForm::LoadForm(std::string_view text, const std::string& fileName, const std::string& rootClass,
                           const TPropertyTable<TCustomForm>& properties, const TFormClassTable& classes,
                           const std::map<std::string, std::function<void()>>& methods)
{
    const TFormNode form = ParseForm(text, fileName);
    TFormLoadContext context([&methods](const std::string& name) {
        const auto found = methods.find(name);
        return found == methods.end() ? std::function<void()>{} : found->second;
    });
    TFormObjectOf<TCustomForm> root(*this, properties);
    ApplyForm(form, fileName, rootClass, root, classes, context);
    LinkLabels(fileName);
    ArrangeTabOrder();
}

// A label may name a control that the form creates after it, so labels are linked once all exist.
void TCustomForm::LinkLabels(const std::string& fileName)
{
    for (TLabel* label : findChildren<TLabel*>()) {
        if (label->FocusControl().empty()) {
            continue;
        }
        auto* control = findChild<QWidget*>(QString::fromStdString(label->FocusControl()));
        if (control == nullptr) {
            throw EFormError(fileName + ": " + label->objectName().toStdString() + ".FocusControl: no control named "
                             + label->FocusControl());
        }
        label->setBuddy(control);
    }
}

// Chains the controls that have a tab position in ascending order; the first one gets the focus at activation.
void TCustomForm::ArrangeTabOrder()
{
    std::vector<QWidget*> controls;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (TabOrderOf(*control) >= 0) {
            controls.push_back(control);
        }
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](QWidget* a, QWidget* b) { return TabOrderOf(*a) < TabOrderOf(*b); });
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
    firstControl_ = controls.empty() ? nullptr : controls.front();
}

bool TCustomForm::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        if (firstControl_ != nullptr) {
            firstControl_->setFocus(Qt::TabFocusReason);
        }
        if (OnActivate) {
            TApplication::Dispatch(OnActivate);
        }
    }
    return handled;
}
