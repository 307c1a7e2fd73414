#include "../WindowTestSupport.h"

#include "app/TForm1.h"
#include "app/window/FormPageJson.h"
#include "platform/form/EFormError.h"
#include "platform/form/TRadioGroup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace {

class FormPageJsonTest : public TWindowTestSuite {};

TEST_F(FormPageJsonTest, ValuesOfEveryKindBecomeJson)
{
    struct TCase {
        std::string property;
        std::string json;
    };
    const std::vector<TCase> cases{
        {"A = -12", R"("A":-12)"},
        {"A = $FF8000", R"("A":16744448)"},
        {"A = 0.9", R"("A":0.9)"},
        {"A = 'it''s 3\" 40°'", R"("A":"it's 3\" 40°")"},
        {"A = clBlue", R"("A":"clBlue")"},
        {"A = [fsBold, fsItalic]", R"("A":["fsBold","fsItalic"])"},
        {"A = []", R"("A":[])"},
        {"A.B = ('x'\n 'y')", R"("A.B":["x","y"])"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.property);
        EXPECT_EQ(FormPageJson("object F: TForm\n" + c.property + "\nend\n", "t.form"),
                  R"({"name":"F","class":"TForm","properties":{)" + c.json + R"(},"children":[]})");
    }
}

TEST_F(FormPageJsonTest, ChildrenNestInFileOrder)
{
    EXPECT_EQ(FormPageJson("object F: TForm\n object A: TEdit\n end\n object B: TChart\n  object C: TLabel\n  end\n"
                           " end\nend\n",
                           "t.form"),
              R"({"name":"F","class":"TForm","properties":{},"children":[)"
              R"({"name":"A","class":"TEdit","properties":{},"children":[]},)"
              R"({"name":"B","class":"TChart","properties":{},"children":[)"
              R"({"name":"C","class":"TLabel","properties":{},"children":[]}]}]})");
}

TEST_F(FormPageJsonTest, AnUnreadableFormIsRefusedAsTheWindowRefusesIt)
{
    EXPECT_THROW(FormPageJson("object F: TForm\n", "t.form"), EFormError);
}

// The page places its elements where the desktop window places its widgets, with the same captions.
TEST_F(FormPageJsonTest, EveryControlSitsWhereTheWindowPutsIt)
{
    TForm1 form;
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(FormPageJson(TForm1::EmbeddedFormText(), "BHN1.form")))
            .object();
    int compared = 0;
    std::function<void(const QJsonObject&)> check = [&](const QJsonObject& node) {
        for (const auto child : node["children"].toArray()) {
            const QJsonObject object = child.toObject();
            const QString name = object["name"].toString();
            const QJsonObject properties = object["properties"].toObject();
            auto* widget = form.findChild<QWidget*>(name);
            if (widget != nullptr) {
                SCOPED_TRACE(name.toStdString());
                const QRect placed(properties["Left"].toInt(), properties["Top"].toInt(), properties["Width"].toInt(),
                                   properties["Height"].toInt());
                // A label fits its width to its caption in the font that shows it, on the page as on the desktop.
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    EXPECT_EQ(label->pos(), placed.topLeft());
                    EXPECT_EQ(label->text(), properties["Caption"].toString());
                } else {
                    EXPECT_EQ(widget->geometry(), placed);
                }
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    EXPECT_EQ(button->text(), properties["Caption"].toString());
                }
                ++compared;
            }
            check(object);
        }
    };
    check(root);
    EXPECT_EQ(compared, 22);
    std::vector<std::string> items;
    for (const auto item : root["children"].toArray()) {
        if (item.toObject()["name"] == "RadioGroup1") {
            for (const auto caption : item.toObject()["properties"].toObject()["Items"].toArray()) {
                items.push_back(caption.toString().toStdString());
            }
        }
    }
    EXPECT_EQ(items, form.RadioGroup1->Items());
}

}  // namespace
