#include "app/cli/JsonText.h"

#include <gtest/gtest.h>

#include <string>

// Whatever bytes a batch line holds, the string written is valid JSON: quotes, backslashes and every control
// character (C0 and DEL) escaped, valid UTF-8 kept, and a stray byte written as the Latin-1 character it would be.
TEST(JsonText, EscapesWhatJsonCannotHoldAndKeepsValidUtf8)
{
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"237", "\"237\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {std::string("\0\x01\x1F", 3), "\"\\u0000\\u0001\\u001f\""},
        {"x\x7Fy", "\"x\\u007fy\""},
        {"~\x7F", "\"~\\u007f\""},
        {"40\xC2\xBA", "\"40\xC2\xBA\""},
        {"\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        {"40\xBA", "\"40\\u00ba\""},
        {"\xC0\xAF", "\"\\u00c0\\u00af\""},
        {"\xED\xA0\x80", "\"\\u00ed\\u00a0\\u0080\""},
    };
    for (const auto& c : cases) {
        std::string out = "[";
        cli::AppendJsonString(out, c.text);
        EXPECT_EQ(out, "[" + c.json) << c.json;
    }
}
