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
        {"Path /", "Path /."},     {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xC3\xB6\xC3\x9F" "e."}, {"\xE2\x82\xAC", "\xE2\x82\xAC."},
    };
    std::vector<std::string> shown;
    TApplication::SetErrorBox([&](const std::string&, const std::string& text) { shown.push_back(text); });
    for (const auto& [message, text] : cases) {
        TApplication::Dispatch([&message] { throw std::runtime_error(message); });
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), text) << message;
    }
    TApplication::SetErrorBox({});
    EXPECT_EQ(shown.size(), std::size(cases));
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
