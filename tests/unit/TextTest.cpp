// Module texts as bytes: the rule that decodes only what encodes back, the
// detection that tries UTF-8 first, and the bookkeeping that sends an
// untouched field back byte for byte; on fake converters, and each real one
// of this system on "你好".
#include <gtest/gtest.h>

#include "FakeConverters.h"
#include "text/ModuleTexts.h"
#include "text/TextCodec.h"

namespace wifi::testing {
namespace {

const std::string kUtf8Ce = "\xE6\xB5\x8B";  // 测
const std::string kGbkCe = "\xB2\xE2";

TEST(TextCodec, DecodesOnlyWhatEncodesBackToTheSameBytes) {
    FakeConverters converters;
    const TextCodec gbk(TextEncoding::Gbk, converters);
    EXPECT_EQ(gbk.Decode(kGbkCe), kUtf8Ce);
    EXPECT_EQ(gbk.Encode(kUtf8Ce), kGbkCe);
    EXPECT_EQ(converters.For(TextEncoding::Gbk).ToUtf8("\x80"), "\xE2\x82\xAC")
        << "the converter reads it";
    EXPECT_FALSE(gbk.Decode("\x80")) << "but it would not come back as the same byte";
    EXPECT_EQ(gbk.DecodeLossy("a\x81"
                              "b"),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(TextCodec, DetectionTriesUtf8FirstAndAsciiIsNeither) {
    FakeConverters converters;
    EXPECT_EQ(DetectEncoding(kUtf8Ce, converters), TextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding(kGbkCe, converters), TextEncoding::Gbk);
    EXPECT_FALSE(DetectEncoding("SimNet", converters)) << "ASCII reads alike in both";
    EXPECT_FALSE(DetectEncoding("\x81\xFF", converters)) << "valid in neither";
    EXPECT_TRUE(IsAscii("SimNet"));
}

TEST(TextEncoding, NamesAndTheDefaultOfTheSystemsCodePage) {
    EXPECT_EQ(EncodingName(TextEncoding::Gbk), "gbk");
    EXPECT_EQ(EncodingNamed("UTF-8"), TextEncoding::Utf8);
    EXPECT_EQ(EncodingNamed("utf8"), TextEncoding::Utf8);
    EXPECT_FALSE(EncodingNamed("latin1"));
    EXPECT_EQ(DefaultEncoding(936), TextEncoding::Gbk) << "a Chinese Windows";
    EXPECT_EQ(DefaultEncoding(1252), TextEncoding::Utf8);
    EXPECT_EQ(DefaultEncoding(0), TextEncoding::Utf8) << "no ANSI code page: Linux, macOS";
}

// The converters of this system (iconv here, code page 936 under Wine) on
// the bytes a Chinese module sends.
TEST(SystemConverters, RoundTripChineseTextInBothEncodings) {
    const std::string nihaoGbk = "\xC4\xE3\xBA\xC3";
    const std::string nihaoUtf8 = "\xE4\xBD\xA0\xE5\xA5\xBD";
    const TextCodec gbk(TextEncoding::Gbk);
    const TextCodec utf8(TextEncoding::Utf8);
    EXPECT_EQ(gbk.Decode(nihaoGbk), nihaoUtf8);
    EXPECT_EQ(gbk.Encode(nihaoUtf8), nihaoGbk);
    EXPECT_EQ(utf8.Decode(nihaoUtf8), nihaoUtf8);
    EXPECT_FALSE(utf8.Decode(nihaoGbk)) << "GBK text is not valid UTF-8";
    EXPECT_FALSE(gbk.Encode("\xF0\x9F\x98\x80")) << "no GBK bytes for an emoji";
    EXPECT_EQ(DetectEncoding(nihaoGbk), TextEncoding::Gbk);
    EXPECT_EQ(DetectEncoding(nihaoUtf8), TextEncoding::Utf8);
}

TEST(ModuleTexts, AnUntouchedTextGoesBackByteForByteAnEditedOneAsTyped) {
    FakeConverters converters;
    ModuleTexts texts(TextEncoding::Utf8, converters);
    const auto shown = texts.Report(1, kGbkCe);
    EXPECT_FALSE(shown.decoded) << "GBK shown with the UTF-8 choice";
    EXPECT_EQ(shown.text, "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(texts.BytesFor(1, shown.text), kGbkCe) << "untouched: the module's bytes";
    EXPECT_TRUE(texts.CanCarry(1, shown.text));
    // Edited, the replacement characters would go out as theirs: refused.
    EXPECT_FALSE(texts.CanCarry(1, shown.text + "x"));
    EXPECT_TRUE(texts.CanCarry(1, "net"));
    EXPECT_EQ(texts.BytesFor(1, kUtf8Ce), kUtf8Ce) << "typed text in the chosen encoding";

    // The encoding changes: the untouched field is shown anew, typed text stays.
    texts.Report(2, "plain");
    const auto reshown = texts.SetEncoding(
        TextEncoding::Gbk, [&](int id) { return id == 1 ? shown.text : std::string("typed"); });
    ASSERT_EQ(reshown.size(), 1u);
    EXPECT_EQ(reshown[0].id, 1);
    EXPECT_EQ(reshown[0].shown.text, kUtf8Ce);
    EXPECT_TRUE(reshown[0].shown.decoded);
    EXPECT_EQ(texts.BytesFor(1, kUtf8Ce), kGbkCe);
}

TEST(ModuleTexts, ImportedBytesAreTypedTextWhenTheyDecode) {
    FakeConverters converters;
    ModuleTexts texts(TextEncoding::Gbk, converters);
    EXPECT_EQ(texts.Type(1, kGbkCe).text, kUtf8Ce);
    EXPECT_EQ(texts.BytesFor(1, kUtf8Ce), kGbkCe);
    const auto odd = texts.Type(2, "\x81\xFF");
    EXPECT_FALSE(odd.decoded);
    EXPECT_EQ(texts.BytesFor(2, odd.text), "\x81\xFF") << "kept as a reported value is";
}

}  // namespace
}  // namespace wifi::testing
