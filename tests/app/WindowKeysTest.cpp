// The calculator window's keyboard beyond Calculate's own keys: Return in an entry field, closing, About.

#include "TForm1Fixture.h"

#include "app/TForm1.h"
#include "app/Version.h"
#include "app/cli/Calculation.h"
#include "platform/TModalDialogs.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct TEntryCase {
    const char* Name;
    TEdit* TForm1::*Field;
    const char* Variable;
    const char* Standard;
};

void PrintTo(const TEntryCase& entry, std::ostream* out)
{
    *out << entry.Name;
}

const TEntryCase EntryCases[] = {
    {"Variable", &TForm1::Edit1, "240", "270.0"},
    {"Standard", &TForm1::Edit4, "237", "300"},
};

class TReturnInAnEntry : public TForm1Test, public ::testing::WithParamInterface<std::tuple<TEntryCase, Qt::Key>> {};

// Typing a hardness and pressing Return or Enter shows the results Calculate gives for it.
TEST_P(TReturnInAnEntry, Calculates)
{
    const auto& [entry, key] = GetParam();
    Show();
    Type(form.*entry.Field, QString::fromLatin1(form.*entry.Field == form.Edit1 ? entry.Variable : entry.Standard));
    ASSERT_EQ(QApplication::focusWidget(), form.*entry.Field);
    const std::string before = form.Edit2->Text();
    QTest::keyClick(form.*entry.Field, key);
    cli::TCalcTexts expected;
    std::string reason;
    ASSERT_TRUE(cli::Calculate(entry.Variable, entry.Standard, "0", cli::TFieldNames::Options, expected, reason)) << reason;
    EXPECT_NE(expected.multiplier, before);
    EXPECT_EQ(form.Edit2->Text(), expected.multiplier);
    EXPECT_EQ(form.Edit3->Text(), expected.relativeQuality);
    EXPECT_EQ(form.Edit5->Text(), expected.inverse);
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, TReturnInAnEntry,
    ::testing::Combine(::testing::ValuesIn(EntryCases), ::testing::Values(Qt::Key_Return, Qt::Key_Enter)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).Name) + (std::get<1>(info.param) == Qt::Key_Return ? "Return" : "Enter");
    });

// Return in a result field is not a request to calculate: those fields are never read.
TEST_F(TForm1Test, ReturnInAResultFieldCalculatesNothing)
{
    Show();
    for (TEdit* result : {form.Edit2, form.Edit3, form.Edit5}) {
        result->setFocus();
        QTest::keyClick(result, Qt::Key_Return);
    }
    EXPECT_EQ(form.Edit2->Text(), "0.0");
    EXPECT_EQ(form.Edit3->Text(), "1");
    EXPECT_EQ(form.Edit5->Text(), "0");
}

class TCloseKey : public TForm1Test, public ::testing::WithParamInterface<Qt::Key> {};

// Ctrl+Q and Ctrl+W close the window (and so end the program) wherever the focus is.
TEST_P(TCloseKey, ClosesTheWindow)
{
    Show();
    form.Edit1->setFocus();
    QTest::keyClick(form.Edit1, GetParam(), Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, TCloseKey, ::testing::Values(Qt::Key_Q, Qt::Key_W));

struct TShownAbout {
    QWidget* Parent;
    QString Caption;
    QString Text;
};

// F1 shows the About box: the program's name, version, licence and where the manual is.
TEST_F(TForm1Test, F1ShowsAboutTheProgram)
{
    std::vector<TShownAbout> shown;
    TModalDialogs::ReplaceAbout([&shown](QWidget* parent, const QString& caption, const QString& text) {
        shown.push_back({parent, caption, text});
    });
    Show();
    QTest::keyClick(form.Button1, Qt::Key_F1);
    TModalDialogs::ReplaceAbout({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front().Parent, &form);
    EXPECT_EQ(shown.front().Caption, "About bhncalc");
    for (const QString& part : {form.windowTitle(), QString("bhncalc ") + BhncalcVersion,
             QString("Licence: ") + BhncalcLicense, QString("man bhncalc")}) {
        EXPECT_TRUE(shown.front().Text.contains(part)) << part.toStdString() << " in " << shown.front().Text.toStdString();
    }
    EXPECT_FALSE(form.windowTitle().isEmpty());
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
