#include "model/FullStop.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every last byte against the rule: "." and what sorts before it stay as they are; everything after it, the
// bytes of UTF-8 sequences (0x80 to 0xFF) included, gets a full stop. An empty message stays empty.
TEST(FullStop, EveryLastByteAfterThePointGetsOne)
{
    for (int byte = 1; byte <= 0xFF; ++byte) {
        const std::string message = std::string("Value ") + static_cast<char>(byte);
        const std::string expected = byte > '.' ? message + "." : message;
        EXPECT_EQ(BHNcalc::WithFullStop(message), expected) << "last byte " << byte;
    }
    EXPECT_EQ(BHNcalc::WithFullStop(""), "");
}

}  // namespace
