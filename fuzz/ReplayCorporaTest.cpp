#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct TReplayCase {
    const char* corpus;
    TFuzzFunction function;
};

class ReplayCorpus : public testing::TestWithParam<TReplayCase> {};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}

// Every seed goes through its target; a broken property aborts the program with the property and the input.
TEST_P(ReplayCorpus, EverySeedKeepsTheProperties)
{
    const std::filesystem::path dir = std::filesystem::path(BHN_FUZZ_CORPUS_DIR) / GetParam().corpus;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 5u) << dir;
    for (const std::filesystem::path& file : files) {
        const std::vector<std::uint8_t> bytes = ReadBytes(file);
        EXPECT_EQ(GetParam().function(bytes.data(), bytes.size()), 0) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(FuzzCorpora, ReplayCorpus,
    testing::Values(TReplayCase{"hardness", FuzzHardness}, TReplayCase{"format_fixed", FuzzFormatFixed},
        TReplayCase{"label_format", FuzzLabelFormat}, TReplayCase{"form_reader", FuzzFormReader},
        TReplayCase{"batch", FuzzBatch}, TReplayCase{"command_line", FuzzCommandLine}),
    [](const testing::TestParamInfo<TReplayCase>& info) { return std::string(info.param.corpus); });
