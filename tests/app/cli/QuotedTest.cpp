#include "app/cli/CliRun.h"
#include "app/cli/Calculation.h"

#include <gtest/gtest.h>

#include <string>

using cli::Quoted;

namespace {

struct TQuoteCase {
    std::string text;
    std::string quoted;
};

}  // namespace

// What a terminal would act on or mangle is escaped; everything a user can read stays as typed.
TEST(Quoted, ValidUtf8StandsAndControlsAndBrokenBytesAreEscaped)
{
    const TQuoteCase cases[] = {
        {"237", "\"237\""},
        {"", "\"\""},
        {"40\xC2\xBA-60\xC2\xBA", "\"40\xC2\xBA-60\xC2\xBA\""},
        {"3\xE2\x80\xB3 M62", "\"3\xE2\x80\xB3 M62\""},
        {"\xF0\x9F\x94\xA9", "\"\xF0\x9F\x94\xA9\""},
        {"\xF4\x8F\xBF\xBF", "\"\xF4\x8F\xBF\xBF\""},
        {"\xEF\xBF\xBD", "\"\xEF\xBF\xBD\""},
        {"a\\b", "\"a\\x5Cb\""},
        {"2\x1b[0m", "\"2\\x1B[0m\""},
        {"\t\n\x7F", "\"\\x09\\x0A\\x7F\""},
        // C1 controls are controls in UTF-8 too.
        {"\xC2\x9B" "2J", "\"\\xC2\\x9B2J\""},
        {"\xC2\xA0", "\"\xC2\xA0\""},
        // Invisible characters and direction overrides would hide or reorder what was typed.
        {"\xEF\xBB\xBF" "240", "\"\\xEF\\xBB\\xBF240\""},
        {"a\xE2\x80\xAE" "b", "\"a\\xE2\\x80\\xAEb\""},
        {"a\xE2\x80\x8B" "b", "\"a\\xE2\\x80\\x8Bb\""},
        {"\xE2\x81\xA6", "\"\\xE2\\x81\\xA6\""},
        {"\xE2\x80\x93\xE2\x80\xB3\xE2\x81\xB0", "\"\xE2\x80\x93\xE2\x80\xB3\xE2\x81\xB0\""},
        // A lone lead, a lone continuation, a cut sequence, an overlong form, a surrogate, past U+10FFFF.
        {"\xC2", "\"\\xC2\""},
        {"\xBA" "1", "\"\\xBA1\""},
        {"\xE2\x80" "x", "\"\\xE2\\x80x\""},
        {"\xC0\xAF", "\"\\xC0\\xAF\""},
        {"\xE0\x80\xAF", "\"\\xE0\\x80\\xAF\""},
        {"\xF0\x8F\xBF\xBF", "\"\\xF0\\x8F\\xBF\\xBF\""},
        {"\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},
        {"\xF4\x90\x80\x80", "\"\\xF4\\x90\\x80\\x80\""},
        {"\xF5\x80\x80\x80", "\"\\xF5\\x80\\x80\\x80\""},
        {"\xFF", "\"\\xFF\""},
    };
    for (const TQuoteCase& c : cases) {
        EXPECT_EQ(Quoted(c.text), c.quoted) << c.quoted;
    }
}

// Forty characters are shown, however many bytes each takes, and a character is never cut.
TEST(Quoted, LongTextsAreShortenedAfterFortyCharacters)
{
    const std::string degree = "\xC2\xB0";
    std::string forty;
    for (int i = 0; i < 40; ++i) {
        forty += degree;
    }
    EXPECT_EQ(Quoted(forty), "\"" + forty + "\"");
    EXPECT_EQ(Quoted(forty + "x"), "\"" + forty + "\"...");
    EXPECT_EQ(Quoted(std::string(39, 'a') + degree + "b"), "\"" + std::string(39, 'a') + degree + "\"...");
    EXPECT_EQ(Quoted(std::string(39, 'a') + "\x01" "b"), "\"" + std::string(39, 'a') + "\\x01\"...");
}

TEST(Quoted, MessagesQuoteUtf8AsTyped)
{
    const TCliRun run = RunCli({"calc", "--variable", "237", "--mode", "40\xC2\xBA-60\xC2\xBA"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("bhncalc: unknown mode \"40\xC2\xBA-60\xC2\xBA\"; accepted: ", 0), 0u) << run.err;
}
