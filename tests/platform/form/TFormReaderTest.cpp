#include "platform/form/EFormError.h"
#include "platform/form/TButton.h"
#include "platform/form/TCustomForm.h"
#include "platform/form/TEdit.h"
#include "platform/form/TFormParser.h"
#include "platform/form/TLabel.h"
#include "platform/form/TRadioGroup.h"

#include <gtest/gtest.h>

#include <QRadioButton>

#include <map>
#include <string>

namespace {

// A window that loads a form text given by the test, with one handler it counts.
class TTestForm : public TCustomForm {
public:
    int Clicks = 0;

    void Load(const std::string& text)
    {
        LoadForm(text, "test.form", "TTestForm", Properties(), StandardControlClasses(),
                 {{"ButtonClick", [this] { ++Clicks; }}});
    }
};

std::string LoadError(const std::string& text)
{
    TTestForm form;
    try {
        form.Load(text);
    } catch (const EFormError& error) {
        return error.what();
    }
    return "loaded";
}

const std::string GoodForm = R"(object Form: TTestForm
  Caption = 'Degrees: 0°-35° and ''quoted'''
  ClientWidth = 300
  ClientHeight = 200
  Color = clBtnFace
  object Label1: TLabel
    Left = 8
    Top = 10
    Caption = 'Variable'
    Font.Style = [fsBold]
  end
  object Edit1: TEdit
    Left = 8
    Top = 24
    Width = 41
    Height = 21
    Text = '237'
    TabOrder = 1
  end
  object Button1: TButton
    Left = 104
    Top = 8
    Width = 65
    Height = 57
    Caption = 'Calculate'
    TabOrder = 0
    OnClick = ButtonClick
  end
  object Group: TRadioGroup
    Left = 100
    Top = 100
    Width = 201
    Height = 65
    Caption = 'Modes'
    Columns = 3
    Items = (
      'a'
      'b' 'c')
    ItemIndex = 2
  end
end
)";

TEST(FormReaderTest, GoodFormCreatesEveryControlWithItsProperties)
{
    TTestForm form;
    form.Load(GoodForm);
    EXPECT_EQ(form.Caption(), "Degrees: 0°-35° and 'quoted'");
    EXPECT_EQ(form.width(), 300);
    EXPECT_EQ(form.height(), 200);

    auto* label = form.findChild<TLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Variable");
    EXPECT_EQ(label->pos(), QPoint(8, 10));
    EXPECT_TRUE(label->font().bold());

    auto* edit = form.findChild<TEdit*>("Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Text(), "237");
    EXPECT_EQ(edit->geometry(), QRect(8, 24, 41, 21));

    auto* group = form.findChild<TRadioGroup*>("Group");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Items(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(group->Button(2)->isChecked());

    auto* button = form.findChild<TButton*>("Button1");
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_EQ(button->nextInFocusChain(), edit);
}

struct TBadForm {
    const char* Name;
    std::string Text;
    std::string Message;
};

class FormReaderErrorTest : public ::testing::TestWithParam<TBadForm> {};

TEST_P(FormReaderErrorTest, StopsWithTheLineAndTheReason)
{
    EXPECT_EQ(LoadError(GetParam().Text), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    BadForms, FormReaderErrorTest,
    ::testing::Values(
        TBadForm{"UnknownClass", "object Form: TTestForm\n  object X: TSlider\n  end\nend\n",
                 "test.form:2: unknown class TSlider"},
        TBadForm{"UnknownProperty", "object Form: TTestForm\n  object L: TLabel\n    Left = 1\n    Colour = 3\n  end\nend\n",
                 "test.form:4: L.Colour: unknown property 'Colour' of TLabel"},
        TBadForm{"UnknownSubProperty", "object Form: TTestForm\n  object L: TLabel\n    Font.Weight = 3\n  end\nend\n",
                 "test.form:3: L.Font.Weight: unknown property 'Font.Weight' of TFont"},
        TBadForm{"PathIntoLeaf", "object Form: TTestForm\n  object L: TLabel\n    Left.X = 3\n  end\nend\n",
                 "test.form:3: L.Left.X: unknown property 'Left.X'"},
        TBadForm{"StringForNumber", "object Form: TTestForm\n  object L: TLabel\n\n    Left = '8'\n  end\nend\n",
                 "test.form:4: L.Left: malformed value: the string '8' where an integer is expected"},
        TBadForm{"MalformedNumber", "object Form: TTestForm\n  ClientWidth = 12x\nend\n",
                 "test.form:2: malformed number '12x'"},
        TBadForm{"TextAfterValue", "object Form: TTestForm\n  ClientWidth = 12 13\nend\n",
                 "test.form:2: unexpected text after the value of ClientWidth"},
        TBadForm{"UnterminatedString", "object Form: TTestForm\n  Caption = 'abc\nend\n",
                 "test.form:2: unterminated string"},
        TBadForm{"MissingEquals", "object Form: TTestForm\n  Caption 'abc'\nend\n",
                 "test.form:2: expected '=' after Caption"},
        TBadForm{"MissingEnd", "object Form: TTestForm\n  object L: TLabel\n  end\n",
                 "test.form:1: object Form has no 'end'"},
        TBadForm{"UnknownColour", "object Form: TTestForm\n  Color = clMauve\nend\n",
                 "test.form:2: Form.Color: malformed value: the name clMauve where a colour is expected"},
        TBadForm{"UnknownMethod", "object Form: TTestForm\n  object B: TButton\n    OnClick = Missing\n  end\nend\n",
                 "test.form:3: B.OnClick: unknown method Missing"},
        TBadForm{"WrongRootClass", "object Form: TForm9\nend\n", "test.form:1: the form describes a TForm9, not a TTestForm"},
        TBadForm{"DuplicateName", "object Form: TTestForm\n  object L: TLabel\n  end\n  object L: TEdit\n  end\nend\n",
                 "test.form:4: the name L is used twice"},
        TBadForm{"SetterRefuses", "object Form: TTestForm\n  object G: TRadioGroup\n    ItemIndex = 0\n  end\nend\n",
                 "test.form:3: G.ItemIndex: ItemIndex 0 is not an item of the group"},
        TBadForm{"BadStyleMember", "object Form: TTestForm\n  Font.Style = [fsBold, fsHuge]\nend\n",
                 "test.form:2: Form.Font.Style: malformed value: the name fsHuge where one of the names of this property is expected"}),
    [](const ::testing::TestParamInfo<TBadForm>& info) { return std::string(info.param.Name); });

TEST(FormReaderTest, ParserKeepsNestingLinesAndValueKinds)
{
    const TFormNode form = ParseForm("object A: TA\n  N = -12\n  F = 0.9\n  H = $FF8000\n  S = [x, y]\n"
                                     "  object B: TB\n    P.Q = Id\n  end\nend\n",
                                     "t");
    ASSERT_EQ(form.Properties.size(), 4u);
    EXPECT_EQ(form.Properties[0].Value.Integer, -12);
    EXPECT_EQ(form.Properties[1].Value.Kind, TFormValueKind::Float);
    EXPECT_EQ(form.Properties[1].Value.Float, 0.9);
    EXPECT_EQ(form.Properties[2].Value.Integer, 0xFF8000);
    EXPECT_EQ(form.Properties[3].Value.Items, (std::vector<std::string>{"x", "y"}));
    ASSERT_EQ(form.Children.size(), 1u);
    EXPECT_EQ(form.Children[0].Line, 6);
    EXPECT_EQ(form.Children[0].Properties[0].Path, "P.Q");
    EXPECT_EQ(form.Children[0].Properties[0].Line, 7);
    EXPECT_EQ(form.Children[0].Properties[0].Value.Text, "Id");
}

}  // namespace

TEST(FormReaderTest, DeepNestingIsRefusedInsteadOfExhaustingTheStack)
{
    std::string text;
    for (int i = 0; i < 30000; ++i) {
        text += "object A: TA\n";
    }
    try {
        ParseForm(text, "deep.form");
        FAIL() << "a form nested 30000 deep was accepted";
    } catch (const EFormError& error) {
        EXPECT_STREQ(error.what(), "deep.form:65: objects nested more than 64 deep");
    }
}
