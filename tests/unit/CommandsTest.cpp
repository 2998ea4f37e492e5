#include <gtest/gtest.h>

#include "protocol/Commands.h"
#include "protocol/Dispatcher.h"
#include "protocol/ReplyTimeout.h"
#include "protocol/Secrets.h"
#include "protocol/WriteSequence.h"

namespace wifi {
namespace {

TEST(CommandLine, IsPrefixValueAndCrLfWithNothingElse) {
    EXPECT_EQ(CommandLine(cmd::kSecurity, "WEP128"), "AT+SZ_SECURITY=WEP128\r\n");
    EXPECT_EQ(CommandLine(cmd::kSsid, ""), "AT+SZ_SSID=\r\n");
    EXPECT_EQ(CommandLine(cmd::kCheckConfig), "AT+SZ_CHECKCONFIG=ALL\r\n");
    EXPECT_EQ(CommandLine(cmd::kConnect), "AT+SZ_CONNECT=START\r\n");
    EXPECT_EQ(CommandLine(cmd::kConfigure), "AT+SZ_CONFIGURE=START\r\n");
}

TEST(CommandLine, ValuesGoOutUnquotedAndUnescaped) {
    EXPECT_EQ(CommandLine(cmd::kSsid, "a \"b\"=c,d"), "AT+SZ_SSID=a \"b\"=c,d\r\n");
}

TEST(WriteSteps, PrefixesAreTheModulesSpellingsInSequenceOrder) {
    const std::vector<std::string_view> expected = {
        "AT+SZ_SSID=",           "AT+SZ_NETWORKTYPE=",  "AT+SZ_SECURITY=",
        "AT+SZ_WEPINDEX=",       "AT+SZ_SECURITY_KEY=", "AT+SZ_DHCP=",
        "AT+SZ_IP_DEFAULT=",     "AT+SZ_MASK_DEFAULT=", "AT+SZ_GATE_DEFAULT=",
        "AT+SZ_DNS_DEFAULT=",    "AT+SZ_TCPUDP_MODEL=", "AT+SZ_S_C_MODEL=",
        "AT+SZ_TCP_SERVER_IP=",  "AT+SZ_S_C_PORT=",     "AT+SZ_BAUDRATE=",
        "AT+SZ_UARTDATA_CHECK=", "AT+SZ_UARTDATA_BIT=", "AT+SZ_UARTDATA_STOPBIT=",
        "AT+SZ_DATELENGTH=",     "AT+SZ_DATETIMEOUT=",  "AT+SZ_SAVE_CONFIG=",
    };
    ASSERT_EQ(WriteSteps().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(WriteSteps()[i], expected[i]) << "step " << i + 1;
    }
}

TEST(Tokens, AreTheModulesRepliesAsWholeLines) {
    EXPECT_EQ(token::kOk, "OK");
    EXPECT_EQ(token::kError, "ERROR");
    EXPECT_EQ(token::kConnected, "CONNECTED");
    EXPECT_EQ(token::kReportEnd, "Web_Password:");
    EXPECT_TRUE(IsReplyLine(" OK\t", token::kOk));
    EXPECT_FALSE(IsReplyLine("START OK", token::kOk));
    EXPECT_FALSE(IsReplyLine("KEY:OK", token::kOk));
    EXPECT_FALSE(IsReplyLine("SSID:CONNECTED", token::kConnected));
    EXPECT_TRUE(IsRefusalLine("ERROR"));
    EXPECT_TRUE(IsRefusalLine(" ERROR\t"));
    EXPECT_FALSE(IsRefusalLine("ERROR: 5"));
    EXPECT_FALSE(IsRefusalLine("ERROR_Count:0")) << "a report line";
    EXPECT_FALSE(IsRefusalLine("SSID:NETERROR"));
    EXPECT_FALSE(IsRefusalLine("AT+SZ_SSID=ERROR"));
}

}  // namespace
}  // namespace wifi

namespace wifi {
namespace {

// Logs and the traffic view hide the key and the web password, and only
// where the protocol carries them: a key name inside another value is text.
TEST(Secrets, AreMaskedWhereTheProtocolCarriesThemAndNowhereElse) {
    EXPECT_EQ(MaskSecret("AT+SZ_SECURITY_KEY=hunter2\r\n"), "AT+SZ_SECURITY_KEY=***\r\n");
    EXPECT_EQ(MaskSecret("KEY:hunter2\r\n"), "KEY:***\r\n");
    EXPECT_EQ(MaskSecret("Web_Password:admin\r\n"), "Web_Password:***\r\n");
    EXPECT_EQ(MaskSecret("KEY:"), "KEY:***");
    for (const char* plain :
         {"SSID:KEY:x\r\n", "AT+SZ_SSID=KEY:x\r\n", "OK\r\n", "Port:8899\r\n"}) {
        EXPECT_EQ(MaskSecret(plain), plain);
        EXPECT_EQ(SecretStart(plain), std::string_view::npos);
    }
}

// One reading of --timeout for every front end: the windows and the command
// line take and refuse the same texts.
TEST(ReplyTimeout, SecondsWithADotFromATenthToAnHour) {
    EXPECT_EQ(ParseReplyTimeout("0.5"), ReplyClock::Duration(500));
    EXPECT_EQ(ParseReplyTimeout("10"), kDefaultReplyTimeout);
    EXPECT_EQ(ParseReplyTimeout("3600"), ReplyClock::Duration(3600000));
    for (const char* refused : {"", "0x10", "1e3", "-1", "0.05", "3600.5", "1,5", ".5", "5."}) {
        EXPECT_FALSE(ParseReplyTimeout(refused)) << refused;
    }
}

}  // namespace
}  // namespace wifi
