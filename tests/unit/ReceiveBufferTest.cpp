#include <gtest/gtest.h>

#include "protocol/ReceiveBuffer.h"

namespace wifi {
namespace {

// The next line's text, or "(none)".
std::string Next(ReceiveBuffer& rx) {
    auto line = rx.TakeLine();
    return line ? line->text : "(none)";
}

TEST(ReceiveBuffer, ALineSplitAcrossAppendsIsTakenOnceItsLineEndHasArrived) {
    ReceiveBuffer rx;
    rx.Append("xxO");
    EXPECT_EQ(Next(rx), "(none)");
    EXPECT_TRUE(rx.HoldsPartialLine());
    rx.Append("K\r");
    EXPECT_EQ(Next(rx), "xxOK") << "a carriage return ends the line";
    rx.Append("\nnext\n");
    EXPECT_EQ(Next(rx), "next") << "the pair's second byte is no line of its own";
    EXPECT_EQ(Next(rx), "(none)");
    EXPECT_FALSE(rx.HoldsPartialLine());
}

TEST(ReceiveBuffer, EveryLineEndModulesUseEndsALineAndBlankLinesAreNothing) {
    for (const char* end : {"\r\n", "\n", "\r", "\n\r"}) {
        ReceiveBuffer rx;
        const std::string e = end;
        rx.Append("echo" + e + e + "CONNECTED" + e + "OK" + e + e + e + " tail");
        EXPECT_EQ(Next(rx), "echo");
        EXPECT_EQ(Next(rx), "CONNECTED");
        EXPECT_EQ(Next(rx), "OK");
        EXPECT_EQ(Next(rx), "(none)");
        EXPECT_EQ(rx.str(), " tail");
    }
}

TEST(ReceiveBuffer, LinesComeInArrivalOrderAndResumedSearchesMissNoLineEnd) {
    // One byte at a time, asking after each: the incremental search must not
    // skip a line end that straddles the previous end.
    const std::string text = "echo\r\n\r\nCONNECTED\n OK\r tail";
    ReceiveBuffer rx;
    std::vector<std::pair<std::size_t, std::string>> taken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        rx.Append(text.substr(i, 1));
        while (auto line = rx.TakeLine()) {
            taken.emplace_back(i + 1, line->text);
        }
    }
    EXPECT_EQ(taken, (std::vector<std::pair<std::size_t, std::string>>{
                         {5, "echo"}, {18, "CONNECTED"}, {22, " OK"}}));
    EXPECT_EQ(rx.str(), " tail");
}

TEST(ReceiveBuffer, AWholeLineFromBeforeTheSendIsMarkedAndAPartialOneIsCut) {
    ReceiveBuffer rx;
    // Boot noise without a line end, then the command goes out and its
    // answer's first line arrives: the noise must not glue to it.
    rx.Append("OK\r\n" + std::string(300, '#'));
    rx.MarkSent();
    rx.Append("NetworkType:STA\r\n");
    const auto before = rx.TakeLine();
    ASSERT_TRUE(before);
    EXPECT_EQ(before->text, "OK");
    EXPECT_TRUE(before->begunBefore) << "it came before the command went out";
    const auto answer = rx.TakeLine();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->text, "NetworkType:STA");
    EXPECT_FALSE(answer->begunBefore);
}

TEST(ReceiveBuffer, TheRestOfALineCutAtTheSendIsALineOfItsOwn) {
    ReceiveBuffer rx;
    rx.Append(std::string(ReceiveBuffer::kLimit + 10, 'z'));  // over the bound: its front is gone
    rx.MarkSent();
    rx.Append("CONNECTED\r\n");
    EXPECT_EQ(Next(rx), "CONNECTED");
}

TEST(ReceiveBuffer, ClearDropsWaitingLinesAndThePartialOne) {
    ReceiveBuffer rx;
    rx.Append("ERROR\r\nERR");
    rx.Clear();
    EXPECT_TRUE(rx.empty());
    rx.Append("OR\r\n");
    EXPECT_EQ(Next(rx), "OR");
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
    EXPECT_EQ(Next(rx), "before");
    // "zzz...OK" lost its front: it is no line, and no reply.
    EXPECT_EQ(Next(rx), "OK");
    EXPECT_EQ(Next(rx), "(none)");
}

TEST(ReceiveBuffer, ALineEndRightAfterTheCutEndsTheCutLine) {
    ReceiveBuffer rx;
    rx.Append(std::string(ReceiveBuffer::kLimit + 1, 'z'));
    rx.Append("\r\nCONNECTED\r\n");
    EXPECT_EQ(Next(rx), "CONNECTED");
}

}  // namespace
}  // namespace wifi
