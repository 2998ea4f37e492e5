#include <gtest/gtest.h>

#include "protocol/ReceiveBuffer.h"

namespace wifi {
namespace {

TEST(ReceiveBuffer, FindsATokenSplitAcrossAppendsOnceItsLastByteArrives) {
    ReceiveBuffer rx;
    rx.Append("xxO");
    EXPECT_FALSE(rx.Contains("OK\r\n"));
    rx.Append("K\r");
    EXPECT_FALSE(rx.Contains("OK\r\n"));
    rx.Append("\n");
    EXPECT_TRUE(rx.Contains("OK\r\n"));
}

TEST(ReceiveBuffer, ResumedSearchesStillFindEveryPosition) {
    // One byte at a time, asking after each: the incremental search must not
    // skip an occurrence that straddles the previous end.
    const std::string text = "garbage CONNECTED\r\n trailing";
    ReceiveBuffer rx;
    std::size_t foundAfter = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        rx.Append(text.substr(i, 1));
        if (rx.Contains("CONNECTED\r\n") && foundAfter == 0) {
            foundAfter = i + 1;
        }
    }
    EXPECT_EQ(foundAfter, text.find("\r\n") + 2);
}

TEST(ReceiveBuffer, ClearForgetsTokensFoundBefore) {
    ReceiveBuffer rx;
    rx.Append("ERROR\r\n");
    ASSERT_TRUE(rx.Contains("ERROR\r\n"));
    rx.Clear();
    EXPECT_TRUE(rx.empty());
    EXPECT_FALSE(rx.Contains("ERROR\r\n"));
    rx.Append("ERR");
    EXPECT_FALSE(rx.Contains("ERROR\r\n"));
}

TEST(ReceiveBuffer, StaysBoundedAndKeepsTheNewestBytes) {
    ReceiveBuffer rx;
    const std::string chunk(1000, 'z');
    for (int i = 0; i < 500; ++i) {
        rx.Append(chunk);
        ASSERT_LE(rx.size(), ReceiveBuffer::kLimit);
    }
    rx.Append("OK\r\n");
    EXPECT_TRUE(rx.Contains("OK\r\n"));
    EXPECT_EQ(rx.str().substr(rx.size() - 4), "OK\r\n");
}

TEST(ReceiveBuffer, ATokenStraddlingTheTrimPointIsStillFound) {
    ReceiveBuffer rx;
    rx.Append(std::string(ReceiveBuffer::kLimit - 5, 'z'));
    rx.Append("Web_Pass");
    ASSERT_FALSE(rx.Contains("Web_Password:"));
    rx.Append("word:");  // crosses the limit: the oldest bytes go
    EXPECT_LE(rx.size(), ReceiveBuffer::kLimit);
    EXPECT_TRUE(rx.Contains("Web_Password:"));
}

}  // namespace
}  // namespace wifi
