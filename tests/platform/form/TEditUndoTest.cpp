#include "platform/form/TEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <cstddef>
#include <string>
#include <vector>

namespace {

// A shown field holding "270" with the keyboard focus; every change is counted.
class TEditUndo : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.resize(200, 50);
        edit_->setGeometry(10, 10, 120, 21);
        edit_->SetText("270");
        edit_->OnChange = [this] { changes_.push_back(edit_->Text()); };
        window_.show();
        edit_->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    void Undo() { QTest::keyClick(edit_, Qt::Key_Z, Qt::ControlModifier); }

    QWidget window_;
    TEdit* edit_ = new TEdit(&window_);
    std::vector<std::string> changes_;
};

TEST_F(TEditUndo, UndoTakesBackARunOfTypingAndASecondUndoRestoresIt)
{
    edit_->end(false);
    QTest::keyClicks(edit_, ".5");
    ASSERT_EQ(edit_->Text(), "270.5");

    Undo();
    EXPECT_EQ(edit_->Text(), "270");
    EXPECT_EQ(changes_.back(), "270");
    Undo();
    EXPECT_EQ(edit_->Text(), "270.5");
    EXPECT_EQ(changes_.back(), "270.5");
}

TEST_F(TEditUndo, UndoTakesBackAPasteOverTheSelection)
{
    QApplication::clipboard()->setText(QStringLiteral("300"));
    edit_->selectAll();
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(edit_->Text(), "300");

    Undo();
    EXPECT_EQ(edit_->Text(), "270");
}

TEST_F(TEditUndo, TypingAfterAMovedCursorIsAnEditOfItsOwn)
{
    edit_->end(false);
    QTest::keyClick(edit_, Qt::Key_1);
    edit_->home(false);
    QTest::keyClick(edit_, Qt::Key_2);
    ASSERT_EQ(edit_->Text(), "22701");

    Undo();
    EXPECT_EQ(edit_->Text(), "2701");
}

TEST_F(TEditUndo, TypingOverASelectionIsOneEditWithTheTypingThatFollows)
{
    edit_->selectAll();
    QTest::keyClicks(edit_, "400");
    ASSERT_EQ(edit_->Text(), "400");

    Undo();
    EXPECT_EQ(edit_->Text(), "270");
}

TEST_F(TEditUndo, ABackspaceIsAnEditOfItsOwn)
{
    edit_->end(false);
    QTest::keyClick(edit_, Qt::Key_Backspace);
    QTest::keyClicks(edit_, "5");
    ASSERT_EQ(edit_->Text(), "275");

    Undo();
    EXPECT_EQ(edit_->Text(), "27");
}

// The field's menu offers Undo while there is something to undo, and it undoes.
TEST_F(TEditUndo, TheContextMenuUndoes)
{
    edit_->end(false);
    QTest::keyClicks(edit_, "5");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), edit_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit_, &click);
    auto* menu = edit_->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* undo = menu->actions().front();
    EXPECT_TRUE(undo->text().startsWith("&Undo")) << undo->text().toStdString();
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    menu->close();
    EXPECT_EQ(edit_->Text(), "270");
}

TEST_F(TEditUndo, TextSetFromCodeCannotBeUndone)
{
    QTest::keyClick(edit_, Qt::Key_Backspace);
    ASSERT_TRUE(edit_->CanUndo());
    edit_->SetText("1.288");
    EXPECT_FALSE(edit_->CanUndo());
    Undo();
    EXPECT_EQ(edit_->Text(), "1.288");
}

// What the handlers show runs no change handler, says whether it changed anything and, like any text set from
// code, cannot be undone; a later SetText reports its change again.
TEST_F(TEditUndo, TextShownByTheHandlersRunsNoChangeHandler)
{
    QTest::keyClick(edit_, Qt::Key_Backspace);
    ASSERT_TRUE(edit_->CanUndo());
    const std::size_t typed = changes_.size();
    EXPECT_TRUE(edit_->ShowText("270.0"));
    EXPECT_FALSE(edit_->ShowText("270.0"));
    EXPECT_EQ(edit_->Text(), "270.0");
    EXPECT_EQ(changes_.size(), typed);
    EXPECT_FALSE(edit_->CanUndo());
    edit_->SetText("280");
    ASSERT_EQ(changes_.size(), typed + 1);
    EXPECT_EQ(changes_.back(), "280");
}

// However long the text pasted, the field keeps one level of the past, never the line edit's history of
// every character.
TEST_F(TEditUndo, PastesLeaveNoHistoryBehind)
{
    QApplication::clipboard()->setText(QString(3000, QLatin1Char('7')));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
        EXPECT_FALSE(edit_->isUndoAvailable()) << i;
    }
    EXPECT_EQ(edit_->cursorPosition(), edit_->text().size());
    Undo();
    EXPECT_EQ(edit_->text().size(), 3 + 2 * 3000);
}

} // namespace
