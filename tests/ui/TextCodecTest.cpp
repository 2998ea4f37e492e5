// The window's converters of module texts: Qt's GBK (through ICU here) and
// UTF-8, byte for byte both ways on "你好".
#include <QTest>

#include "qt/QtTextConverter.h"
#include "text/TextCodec.h"

using namespace wifi;

class TextCodecTest : public QObject {
    Q_OBJECT
  private slots:
    void gbkIsAvailableOnThisQt() { QVERIFY(GbkAvailable()); }

    void roundTripsChineseTextInBothEncodings() {
        const std::string nihaoGbk = "\xC4\xE3\xBA\xC3";
        const std::string nihaoUtf8 = "\xE4\xBD\xA0\xE5\xA5\xBD";
        const TextCodec gbk(TextEncoding::Gbk, QtTextConverters());
        const TextCodec utf8(TextEncoding::Utf8, QtTextConverters());
        QCOMPARE(gbk.Decode(nihaoGbk).value_or(""), nihaoUtf8);
        QCOMPARE(gbk.Encode(nihaoUtf8).value_or(""), nihaoGbk);
        QCOMPARE(utf8.Decode(nihaoUtf8).value_or(""), nihaoUtf8);
        QVERIFY2(!utf8.Decode(nihaoGbk), "GBK text is not valid UTF-8");
        QVERIFY2(!gbk.Encode("\xF0\x9F\x98\x80"), "no GBK bytes for an emoji");
        QVERIFY(!gbk.Decode(std::string("\x81\x20\xFF", 3)));
        QCOMPARE(DetectEncoding(nihaoGbk, QtTextConverters()), std::optional(TextEncoding::Gbk));
    }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "TextCodecTest.moc"
