#pragma once

#include "WindowTestSupport.h"

#include "app/TForm1.h"
#include "platform/TApplication.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TRadioGroup.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

struct TShownBox {
    std::string Caption;
    std::string Text;
};

// A fresh window over a model in its start-up state, shown and activated as the program does it.
class TForm1Test : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        TApplication::SetErrorBox([this](const std::string& caption, const std::string& text) {
            boxes.push_back({caption, text});
        });
    }

    void TearDown() override { TApplication::SetErrorBox({}); }

    TForm1& Show()
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return form.Activated(); }));
        return form;
    }

    void Calculate() { QTest::mouseClick(form.Button1, Qt::LeftButton); }

    void SelectMode(int mode)
    {
        QRadioButton* button = form.RadioGroup1->Button(mode);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void Type(TEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    std::vector<TShownBox> boxes;
    TForm1 form;
};
