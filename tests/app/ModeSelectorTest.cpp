#include "TForm1Fixture.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

// The caption sits in the frame's top line, the frame crosses no button, and no item's text reaches the
// next column's button.
TEST_F(TForm1Test, ModeSelectorDrawsLikeTheClassicControl)
{
    Show();
    TRadioGroup& group = *form.RadioGroup1;
    const QRect frame = group.FrameRect();
    const QRect caption = group.CaptionRect();
    EXPECT_LE(caption.top(), frame.top());
    EXPECT_GE(caption.bottom(), frame.top() + 1);
    const QRect inside = frame.adjusted(2, 2, -2, -2);
    for (int i = 0; i < static_cast<int>(group.Items().size()); ++i) {
        QRadioButton* button = group.Button(i);
        SCOPED_TRACE(group.Items()[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(inside.contains(button->geometry())) << button->geometry().y();
        EXPECT_GT(button->geometry().top(), caption.bottom());
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        const double textEnd = contents.left() + QFontMetricsF(button->font()).horizontalAdvance(button->text());
        EXPECT_LT(textEnd, button->width() - 1);
    }
    // The top line is drawn where the frame says, to the right of the caption.
    const QImage shown = group.grab().toImage();
    const QColor background = shown.pixelColor(group.width() - 4, frame.top() + 6);
    EXPECT_NE(shown.pixelColor(group.width() - 10, frame.top()), background);
    EXPECT_NE(shown.pixelColor(caption.right() + 4, frame.top()), background);
}

} // namespace
