#include "platform/form/TButton.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace {

struct TKeyCase {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    int Clicks;
};

class TButtonKey : public ::testing::TestWithParam<TKeyCase> {};

// The focused button is pressed by Space, Return and Enter, as on the classic desktop.
TEST_P(TButtonKey, PressesTheFocusedButton)
{
    QWidget window;
    auto* button = new TButton(&window);
    button->SetCaption("Calculate");
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    window.show();
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::keyClick(button, GetParam().Key, GetParam().Modifiers);

    EXPECT_EQ(clicks, GetParam().Clicks);
}

INSTANTIATE_TEST_SUITE_P(Keys, TButtonKey,
                         ::testing::Values(TKeyCase{Qt::Key_Space, Qt::NoModifier, 1},
                                           TKeyCase{Qt::Key_Return, Qt::NoModifier, 1},
                                           TKeyCase{Qt::Key_Enter, Qt::KeypadModifier, 1},
                                           TKeyCase{Qt::Key_Return, Qt::ControlModifier, 0},
                                           TKeyCase{Qt::Key_A, Qt::NoModifier, 0}));

} // namespace
