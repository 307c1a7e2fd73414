#include "platform/TApplication.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(TApplicationTest, TitleIsTheFileNameUpToItsFirstPointWithTheRestInLowerCase)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"C:\\Programs\\Plate.Calc.exe", "Plate"}, {"PLATECALC.EXE", "Platecalc"}, {"/usr/bin/bhncalc", "bhncalc"},
        {"BhnCalc.EXE", "Bhncalc"},                {"x", "x"},                      {".hidden", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(ApplicationTitle(path), title) << path;
    }
}

TEST(TApplicationTest, MessageGetsAFullStopWhenItsLastCharacterSortsAfterThePoint)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Floating point overflow", "Floating point overflow."}, {"Done.", "Done."}, {"", ""},
        {"Really?", "Really?."},   {"Value -", "Value -"}, {"Count 3", "Count 3."}, {"(a)", "(a)"},
        {"Path /", "Path /."},
    };
    for (const auto& [message, text] : cases) {
        EXPECT_EQ(ErrorBoxText(message), text) << message;
    }
}

TEST(TApplicationTest, DispatchShowsTheErrorAndSwallowsAnAbort)
{
    std::vector<std::pair<std::string, std::string>> shown;
    TApplication::SetErrorBox([&](const std::string& caption, const std::string& text) { shown.emplace_back(caption, text); });
    TApplication::Dispatch([] { throw std::runtime_error("Floating point overflow"); });
    TApplication::Dispatch([] { throw EAbort(); });
    TApplication::Dispatch([] {});
    TApplication::SetErrorBox({});
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{{"test_platform", "Floating point overflow."}}));
}

}  // namespace
