#include "TForm1Fixture.h"

#include "platform/TChartWidget.h"
#include "platform/form/TLabel.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include <string>

// What the window tells a user beyond its pixels: names for assistive technology and what a refused entry accepts.
namespace {

std::string AccessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible == nullptr ? std::string("<none>") : accessible->text(kind).toStdString();
}

// The control that assistive technology says the label names.
QObject* LabelledBy(QWidget* label)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    for (const auto& [other, relation] : accessible->relations(QAccessible::Labelled)) {
        return other->object();
    }
    return nullptr;
}

struct THintCase {
    bool Variable;
    const char* Text;
    const char* Hint;
};

class THardnessHint : public TForm1Test, public ::testing::WithParamInterface<THintCase> {};

TEST_P(THardnessHint, AGreyFieldSaysWhatItAccepts)
{
    Show();
    TEdit* edit = GetParam().Variable ? form.Edit1 : form.Edit4;
    Type(edit, QString::fromUtf8(GetParam().Text));
    if (GetParam().Variable) {
        Calculate();
    }
    EXPECT_EQ(edit->Hint(), GetParam().Hint);
    EXPECT_EQ(edit->toolTip().toStdString(), GetParam().Hint);
    Type(edit, "250");
    Calculate();
    EXPECT_EQ(edit->Hint(), "");
}

INSTANTIATE_TEST_SUITE_P(Entries, THardnessHint,
                         ::testing::Values(THintCase{true, "360.5", "200 to 360 BHN"}, THintCase{true, "", "200 to 360 BHN"},
                                           THintCase{true, "360", ""}, THintCase{false, "360", "200 to 359 BHN"},
                                           THintCase{false, "abc", "200 to 359 BHN"}, THintCase{false, "359", ""}));

TEST_F(TForm1Test, FieldsAreNamedByTheirLabelsForAssistiveTechnology)
{
    const struct {
        TEdit* Field;
        TLabel* Label;
        const char* Name;
    } fields[] = {
        {form.Edit1, form.Label1, "Variable hardness (BHN)"}, {form.Edit4, form.Label4, "Standard hardness (BHN)"},
        {form.Edit2, form.Label3, "Multiplier"},              {form.Edit3, form.Label2, "Relative quality"},
        {form.Edit5, form.Label5, "Inverse"},
    };
    for (const auto& field : fields) {
        EXPECT_EQ(field.Label->buddy(), field.Field) << field.Name;
        EXPECT_EQ(LabelledBy(field.Label), field.Field) << field.Name;
        EXPECT_EQ(AccessibleText(field.Field, QAccessible::Name), field.Name);
    }
    EXPECT_FALSE(AccessibleText(form.RadioGroup1, QAccessible::Name).empty());
    EXPECT_FALSE(AccessibleText(form.Chart1, QAccessible::Name).empty());
}

TEST_F(TForm1Test, TheChartDescribesWhatItShows)
{
    const auto description = [&] { return AccessibleText(form.Chart1, QAccessible::Description); };
    Show();
    EXPECT_EQ(description(), "Mode Avg.; standard hardness 270 BHN; variable hardness not calculated; "
                             "multiplier 0.0; relative quality 1; inverse 0");
    Calculate();
    EXPECT_EQ(description(), "Mode Avg.; standard hardness 270 BHN; variable hardness 237 BHN; "
                             "multiplier 1.288; relative quality 0.9328; inverse 1.0721");
    SelectMode(4);
    Type(form.Edit4, "282.5");
    EXPECT_EQ(description(), "Mode 3\" M62; standard hardness 282.5 BHN; variable hardness not calculated; "
                             "multiplier 1.288; relative quality 0.9328; inverse 1.0721");
}

} // namespace
