#include "app/TForm1.h"

#include "app/TChartActions.h"
#include "app/TWindowActions.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartFormClasses.h"
#include "platform/form/EFormError.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TLabel.h"
#include "platform/form/TRadioGroup.h"

#include <QFile>

#include <functional>
#include <map>
#include <string>

// The resource declaration must stay outside any namespace.
static void InitFormResource()
{
    Q_INIT_RESOURCE(BHN1);
}

namespace {

template <class T>
void BindControl(QWidget& form, T*& field, const char* name)
{
    field = form.findChild<T*>(QString::fromLatin1(name));
    if (field == nullptr) {
        throw EFormError(std::string("the form has no control ") + name + " of the expected class");
    }
}

}  // namespace

std::string TForm1::EmbeddedFormText()
{
    InitFormResource();
    QFile file(QStringLiteral(":/BHN1.form"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw EFormError("BHN1.form is missing from the program");
    }
    return file.readAll().toStdString();
}

TForm1::TForm1(std::string_view formText, const std::string& fileName)
{
    TFormClassTable classes = StandardControlClasses();
    AddChartFormClasses(classes);
    // The handlers run on the window made once the form has given it its controls.
    std::map<std::string, std::function<void()>> methods;
    for (const auto& [name, handler] : TCalculatorWindow::HandlersByName()) {
        methods[name] = [this, handler] { ((*window_).*handler)(); };
    }
    LoadForm(formText, fileName, "TForm1", Properties(), classes, methods);
    BindFields();
    ChartActions = new TChartActions(*this);
    WindowActions = new TWindowActions(*this);
    // Return or Enter in an entry field calculates, as pressing Calculate does.
    for (TEdit* entry : {Edit1, Edit4}) {
        connect(entry, &QLineEdit::returnPressed, Button1, &QAbstractButton::click);
    }
}

void TForm1::BindFields()
{
    BindControl(*this, Button1, "Button1");
    BindControl(*this, Edit1, "Edit1");
    BindControl(*this, Chart1, "Chart1");
    BindControl(*this, Edit2, "Edit2");
    BindControl(*this, Edit3, "Edit3");
    BindControl(*this, Label1, "Label1");
    BindControl(*this, Label2, "Label2");
    BindControl(*this, Label3, "Label3");
    BindControl(*this, Edit4, "Edit4");
    BindControl(*this, Label4, "Label4");
    BindControl(*this, Label5, "Label5");
    BindControl(*this, Edit5, "Edit5");
    BindControl(*this, RadioGroup1, "RadioGroup1");
    BindControl(*this, Label7, "Label7");
    BindControl(*this, Label8, "Label8");
    BindControl(*this, Label9, "Label9");
    BindControl(*this, Label10, "Label10");
    BindControl(*this, Label11, "Label11");
    BindControl(*this, Label12, "Label12");
    BindControl(*this, Label6, "Label6");
    BindControl(*this, Label13, "Label13");
    BindControl(*this, Label14, "Label14");
    edit1_.emplace(*Edit1);
    edit2_.emplace(*Edit2);
    edit3_.emplace(*Edit3);
    edit4_.emplace(*Edit4);
    edit5_.emplace(*Edit5);
    radioGroup1_.emplace(*RadioGroup1);
    window_.emplace(TCalculatorControls{*edit1_, *edit2_, *edit3_, *edit4_, *edit5_, *radioGroup1_}, Chart1->Chart());
    window_->OnDescribeChart = [this](const std::string& description) {
        Chart1->setAccessibleDescription(QString::fromStdString(description));
    };
    const TCalculatorSeries& series = window_->Series();
    Series1 = series.Series1;
    Series2 = series.Series2;
    Series3 = series.Series3;
    Series4 = series.Series4;
    Series5 = series.Series5;
    Series6 = series.Series6;
    Series7 = series.Series7;
    Series8 = series.Series8;
    Series9 = series.Series9;
}

void TForm1::FormActivate()
{
    window_->FormActivate();
}

void TForm1::GraphBHN()
{
    window_->GraphBHN();
}
