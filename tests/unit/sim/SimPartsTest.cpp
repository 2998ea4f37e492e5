// The simulator's parts that need no terminal: line splitting, output pacing,
// the configuration file.
#include <gtest/gtest.h>

#include "LineReader.h"
#include "ModuleConfig.h"
#include "OutputQueue.h"

namespace sim {
namespace {

TEST(LineReader, SplitsOnCrLfOnlyAndAcrossReads) {
    LineReader r;
    EXPECT_TRUE(r.Feed("AT+SZ_CONNECT=ST").empty());
    auto items = r.Feed("ART\r");
    EXPECT_TRUE(items.empty());
    items = r.Feed("\nA\nB\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].line, "AT+SZ_CONNECT=START");
    EXPECT_EQ(items[1].line, "A\nB");
}

TEST(LineReader, DiscardsOverlongLinesAndCarriesOn) {
    LineReader r;
    auto items = r.Feed(std::string(LineReader::kMaxLine * 3, 'x'));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].overflow);
    items = r.Feed("\r\nOK?\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_FALSE(items[0].overflow);  // the tail of the garbage, ended
    EXPECT_EQ(items[1].line, "OK?");
}

TEST(OutputQueue, PacedBytesAreReleasedOnlyAfterTheirWireTime) {
    using namespace std::chrono;
    OutputQueue q(19200, 0);  // 1920 bytes a second
    const auto t0 = OutputQueue::Clock::time_point{} + seconds(100);
    q.Enqueue(std::string(160, 'a'), t0);
    std::size_t sent = 0;
    auto t = t0;
    while (!q.empty()) {
        EXPECT_TRUE(q.NextPiece(q.NextWriteAt() - nanoseconds(1)).empty());
        t = q.NextWriteAt();
        const auto piece = q.NextPiece(t);
        ASSERT_FALSE(piece.empty());
        sent += piece.size();
        // Never ahead of the wire: sent bytes * 10 bits / 19200 baud.
        EXPECT_GE(t - t0, nanoseconds(static_cast<long long>(sent) * 1'000'000'000 / 1920));
        q.Written(piece.size(), t);
    }
    EXPECT_EQ(sent, 160u);
    EXPECT_LT(t - t0, milliseconds(84)) << "and not much slower: 160 bytes take 83.3 ms";
}

TEST(OutputQueue, ChunksAreBoundedAndSpaced) {
    OutputQueue q(0, 4);
    const auto t0 = OutputQueue::Clock::time_point{};
    q.Enqueue("0123456789", t0);
    EXPECT_EQ(q.NextPiece(t0), "0123");
    q.Written(4, t0);
    EXPECT_TRUE(q.NextPiece(t0).empty());
    EXPECT_EQ(q.NextPiece(t0 + OutputQueue::kChunkGap), "4567");
}

TEST(ModuleConfig, ParsesKeyValueLinesAndRejectsOthers) {
    std::string error;
    auto c = ModuleConfig::Parse("SSID:a:b\r\n\nPort:1\n", error);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Get("SSID"), "a:b");
    EXPECT_EQ(c->Get("Port"), "1");
    EXPECT_EQ(c->Get("Security"), ModuleConfig::Default().Get("Security"));
    EXPECT_FALSE(ModuleConfig::Parse("SSID:x\nno colon\n", error));
    EXPECT_EQ(error, "line 2 is not Key:value");
    EXPECT_FALSE(ModuleConfig::Parse("Colour:red\n", error));
    EXPECT_FALSE(ModuleConfig::Parse(":value\n", error));
    EXPECT_EQ(*ModuleConfig::Parse(ModuleConfig::Default().FileText(), error),
              ModuleConfig::Default());
}

}  // namespace
}  // namespace sim
