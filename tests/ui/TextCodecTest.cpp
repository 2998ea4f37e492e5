// The one converter of module texts: GBK on this Qt, UTF-8 tried first,
// nothing decoded that would not encode back to the same bytes, limits in
// bytes of the chosen encoding.
#include <QTest>

#include "platform/TextCodec.h"
#include "protocol/ValueRules.h"

using namespace wifi;

namespace {

const std::string kGbk = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";  // 测试网络 in GBK
const std::string kUtf8 = "\xE6\xB5\x8B\xE8\xAF\x95\xE7\xBD\x91\xE7\xBB\x9C";  // in UTF-8
const QString kText = QStringLiteral("测试网络");

}  // namespace

class TextCodecTest : public QObject {
    Q_OBJECT
  private slots:
    void gbkIsAvailableOnThisQt() { QVERIFY(TextCodec::GbkAvailable()); }

    void decodesAndEncodesBothWaysByteForByte() {
        const TextCodec gbk(TextEncoding::Gbk);
        const TextCodec utf8(TextEncoding::Utf8);
        QCOMPARE(gbk.Decode(kGbk).value_or(QString()), kText);
        QCOMPARE(utf8.Decode(kUtf8).value_or(QString()), kText);
        QCOMPARE(gbk.Encode(kText).value_or(""), kGbk);
        QCOMPARE(utf8.Encode(kText).value_or(""), kUtf8);
        QVERIFY2(!utf8.Decode(kGbk), "GBK text is not valid UTF-8");
        QVERIFY2(!gbk.Encode(QStringLiteral("网络😀")), "no GBK bytes for an emoji");
        QVERIFY(!gbk.Decode(std::string("\x81\x20\xFF", 3)));
    }

    void detectionTriesUtf8First() {
        // GBK "decodes" UTF-8 bytes into other characters without an error.
        QVERIFY(TextCodec(TextEncoding::Gbk).Decode(kUtf8).has_value());
        QCOMPARE(DetectEncoding(kUtf8), std::optional(TextEncoding::Utf8));
        QCOMPARE(DetectEncoding(kGbk), std::optional(TextEncoding::Gbk));
        QVERIFY2(!DetectEncoding("SimNet"), "ASCII is both");
        QVERIFY2(!DetectEncoding(std::string("\x81\x20\xFF", 3)), "neither");
    }

    void anSsidHoldsThirtyTwoBytesOfTheChosenEncoding() {
        const TextCodec gbk(TextEncoding::Gbk);
        const TextCodec utf8(TextEncoding::Utf8);
        const QString sixteen = QString(16, QChar(0x7F51));  // 网: 2 bytes in GBK, 3 in UTF-8
        QCOMPARE(CheckValue(ValueRule::Ssid, *gbk.Encode(sixteen)), RuleBreak::None);
        QCOMPARE(CheckValue(ValueRule::Ssid, *gbk.Encode(sixteen + QLatin1Char('x'))),
                 RuleBreak::TooLong);
        const QString ten = QString(10, QChar(0x7F51)) + QStringLiteral("ab");  // 32 bytes
        QCOMPARE(CheckValue(ValueRule::Ssid, *utf8.Encode(ten)), RuleBreak::None);
        QCOMPARE(CheckValue(ValueRule::Ssid, *utf8.Encode(ten + QLatin1Char('c'))),
                 RuleBreak::TooLong);
    }

    void encodingsHaveTheirCommandLineNames() {
        QCOMPARE(EncodingName(TextEncoding::Gbk), QStringLiteral("gbk"));
        QCOMPARE(EncodingNamed(u"UTF-8"), std::optional(TextEncoding::Utf8));
        QVERIFY(!EncodingNamed(u"latin1"));
    }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "TextCodecTest.moc"
