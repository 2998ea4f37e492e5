#include <gtest/gtest.h>

#include "protocol/ReceiveBuffer.h"

namespace wifi {
namespace {

TEST(ReceiveBuffer, ALineSplitAcrossAppendsIsTakenOnceItsLineEndHasArrived) {
    ReceiveBuffer rx;
    rx.Append("xxO");
    EXPECT_FALSE(rx.TakeLine());
    rx.Append("K\r");
    EXPECT_FALSE(rx.TakeLine()) << "a carriage return alone ends nothing";
    rx.Append("\nnext\n");
    EXPECT_EQ(rx.TakeLine(), "xxOK");
    EXPECT_FALSE(rx.TakeLine()) << "a line feed alone ends nothing";
    EXPECT_EQ(rx.str(), "next\n");
}

TEST(ReceiveBuffer, LinesComeInArrivalOrderAndResumedSearchesMissNoLineEnd) {
    // One byte at a time, asking after each: the incremental search must not
    // skip a line end that straddles the previous end.
    const std::string text = "echo\r\n\r\nCONNECTED\r\n tail";
    ReceiveBuffer rx;
    std::vector<std::pair<std::size_t, std::string>> taken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        rx.Append(text.substr(i, 1));
        while (auto line = rx.TakeLine()) {
            taken.emplace_back(i + 1, *line);
        }
    }
    EXPECT_EQ(taken, (std::vector<std::pair<std::size_t, std::string>>{
                         {6, "echo"}, {8, ""}, {19, "CONNECTED"}}));
    EXPECT_EQ(rx.str(), " tail");
}

TEST(ReceiveBuffer, ClearDropsWaitingLinesAndThePartialOne) {
    ReceiveBuffer rx;
    rx.Append("ERROR\r\nERR");
    rx.Clear();
    EXPECT_TRUE(rx.empty());
    rx.Append("OR\r\n");
    EXPECT_EQ(rx.TakeLine(), "OR");
}

TEST(ReceiveBuffer, ALineLongerThanTheBoundIsDroppedWholeAndTheNextIsTaken) {
    ReceiveBuffer rx;
    rx.Append("before\r\n");
    const std::string chunk(1000, 'z');
    for (int i = 0; i < 500; ++i) {
        rx.Append(chunk);
        ASSERT_LE(rx.size(), ReceiveBuffer::kLimit + 16);
    }
    rx.Append("OK\r\nOK\r\n");
    EXPECT_EQ(rx.TakeLine(), "before");
    // "zzz...OK" lost its front: it is no line, and no reply.
    EXPECT_EQ(rx.TakeLine(), "OK");
    EXPECT_FALSE(rx.TakeLine());
}

TEST(ReceiveBuffer, ALineEndStraddlingTheCutStillEndsTheCutLine) {
    ReceiveBuffer rx;
    rx.Append(std::string(ReceiveBuffer::kLimit, 'z') + "\r");  // cut, its "\r" kept
    rx.Append("\nCONNECTED\r\n");
    EXPECT_EQ(rx.TakeLine(), "CONNECTED");
}

}  // namespace
}  // namespace wifi
