#include "Options.h"

#include <cerrno>
#include <cstdlib>

#include "form/Fields.h"
#include "serial/TrafficFormat.h"

namespace sim {

const char* const kHelpText = R"(Usage: wifi-module-sim [OPTIONS]

Plays a Wi-Fi serial module on a pseudo-terminal, so the configuration tool
can be run and tested without hardware. Prints the path of the terminal to
use (e.g. /dev/pts/5) as the first line on standard output, then serves until
SIGINT or SIGTERM, or until standard input closes.

It answers the module's commands, each a line ended by "\r\n":
  AT+SZ_CHECKCONFIG=ALL   the configuration report, "Key:value\r\n" lines,
                          "Web_Password:" last
  AT+SZ_CONNECT=START     CONNECTED
  AT+SZ_CONFIGURE=START   OK (starts staging from the saved configuration)
  AT+SZ_<PARAMETER>=...   OK when the value is valid, ERROR when not
  AT+SZ_SAVE_CONFIG=SAVE  OK; the staged values become the configuration
Anything else, and a line over 4 KiB without "\r\n", gets ERROR.

Options:
  --state FILE        load the configuration from FILE ("Key:value" lines) and
                      write it back, atomically, at every accepted save; a
                      FILE that does not exist starts from the default
  --link PATH         also make a symlink PATH to the terminal (removed on exit)
  --log FILE          append every line received and sent, with a timestamp
  --echo              echo every received line before the answer
  --pace BAUD         run the line at BAUD, 10 bits a byte (19200 -> 1920
                      bytes a second), both ways: a received line is acted on
                      once its last byte has crossed, answers go no faster
  --chunk N           send answers in pieces of at most N bytes, with a gap
  --noise             send an unsolicited line of text now and then
  --reply-error PREFIX  answer ERROR to commands starting with PREFIX
  --no-reply PREFIX   never answer commands starting with PREFIX
  --stale TEXT        leave TEXT waiting in the terminal before the tool opens
                      it, as an earlier report's tail or a "CONNECTED" would;
                      escapes \r, \n, \t and \xHH are decoded
  --stray-ok MS       send one unsolicited "OK" MS milliseconds after each
                      "CONNECTED", as some modules do
  --double-ok MS      answer every command that gets "OK" with a second "OK"
                      MS milliseconds after the first, as a module whose
                      firmware answers twice does
  --eol lf|cr         end every line sent with "\n" or "\r" alone, not "\r\n"
  --report KEY=VALUE  report VALUE for KEY whatever the configuration holds
                      ("DHCP=Enable", "IP_address=10.0.0.256"); a KEY the
                      configuration lacks ("ERROR_Count") gets a line of its
                      own before the last
  --configure-needs-connect
                      after a save, refuse AT+SZ_CONFIGURE=START until a new
                      AT+SZ_CONNECT=START, as some modules do
  --omit KEY          leave the line of KEY (SSID, Port, ...) out of the report
  --restart-after-save MS
                      after acknowledging a save, hang up and come back MS
                      milliseconds later on a new terminal (the same --link),
                      keeping what was saved, as a module that reboots
  --forget FIELD      acknowledge the command of FIELD (ssid, key, baudRate,
                      ... as wifi-config names them) but keep the old value,
                      as a faulty module would
  --hangup-after N    close the terminal when the N-th command line arrives,
                      as a device unplugged then would (that line gets no
                      answer; the simulator then exits)
  --refusal TEXT      refuse with the line TEXT ("+ERROR: bad value") rather
                      than ERROR
  --refuse-save-late MS
                      answer the save OK at once, then refuse it MS
                      milliseconds later and save nothing, as firmware that
                      acknowledges a command's prefix before checking it
  --after-save TEXT   send TEXT right after the save's answer, as a module's
                      restart banner ("OK\r\nready\r\n"); escapes as --stale
  --swap-after N      from the N-th command line on, another module (default
                      configuration, SSID "Other-Module") has the line, with
                      no hang-up between them
  --password-first    send the report's Web_Password line first, not last
  --chatter-before-report BYTES
                      send about BYTES of "+EVENT" lines before each report
  --flood             send whole lines as fast as the terminal takes them,
                      without end and whatever is asked, as a virtual port or
                      a bridge without pacing can
  --help              show this text
  --version           print the version

The options that take PREFIX, KEY, KEY=VALUE or FIELD may be given more than
once. When
a simulator ends, it removes its --link only if the link still leads to its
own terminal: the next simulator may already have taken the path over, as the
next module on a production line does.

Exit status: 0 on a clean stop, 2 on bad arguments, 1 when the terminal
cannot be opened or the state file cannot be read or holds a bad line.

Example:
  $ wifi-module-sim --state module.txt --link /tmp/wifi-module &
  /dev/pts/5
  $ wifi-config-gui --port /tmp/wifi-module
)";

namespace {

bool ParseCount(const std::string& text, long low, long& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno != 0 || value < low || value > 100000000) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args) {
    ParsedArgs parsed;
    Options& o = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                parsed.error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto count = [&](long low, long& out) {
            std::string text;
            if (!value(text)) {
                return;
            }
            if (!ParseCount(text, low, out)) {
                parsed.error = arg + ": not a number from " + std::to_string(low) + ": " + text;
            }
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (arg == "--echo") {
            o.echo = true;
        } else if (arg == "--noise") {
            o.noise = true;
        } else if (arg == "--configure-needs-connect") {
            o.configureNeedsConnect = true;
        } else if (arg == "--link" && value(text)) {
            o.link = text;
        } else if (arg == "--state" && value(text)) {
            o.state = text;
        } else if (arg == "--log" && value(text)) {
            o.log = text;
        } else if (arg == "--reply-error" && value(text)) {
            o.replyError.push_back(text);
        } else if (arg == "--no-reply" && value(text)) {
            o.noReply.push_back(text);
        } else if (arg == "--pace") {
            count(10, o.paceBaud);
        } else if (arg == "--chunk") {
            long n = 0;
            count(1, n);
            o.chunk = static_cast<std::size_t>(n);
        } else if (arg == "--stale" && value(text)) {
            o.stale = wifi::Unquote(text);
        } else if (arg == "--omit" && value(text)) {
            o.omit.push_back(text);
        } else if (arg == "--stray-ok") {
            count(0, o.strayOkMs);
        } else if (arg == "--double-ok") {
            count(0, o.doubleOkMs);
        } else if (arg == "--eol" && value(text)) {
            if (text != "lf" && text != "cr") {
                parsed.error = "--eol: lf or cr, not " + text;
            }
            o.eol.assign(1, text == "lf" ? '\n' : '\r');
        } else if (arg == "--report" && value(text)) {
            const auto eq = text.find('=');
            if (eq == std::string::npos || eq == 0) {
                parsed.error = "--report: KEY=VALUE, not " + text;
            } else {
                o.reportAs.emplace_back(text.substr(0, eq), text.substr(eq + 1));
            }
        } else if (arg == "--restart-after-save") {
            count(0, o.restartAfterSaveMs);
        } else if (arg == "--forget" && value(text)) {
            if (!wifi::FindField(text) || wifi::FindField(text)->prefix.empty()) {
                parsed.error = "--forget: no field named " + text;
            }
            o.forget.push_back(text);
        } else if (arg == "--hangup-after") {
            count(1, o.hangupAfter);
        } else if (arg == "--refusal" && value(text)) {
            o.refusal = text;
        } else if (arg == "--refuse-save-late") {
            count(0, o.refuseSaveLateMs);
        } else if (arg == "--after-save" && value(text)) {
            o.afterSave = wifi::Unquote(text);
        } else if (arg == "--swap-after") {
            count(1, o.swapAfter);
        } else if (arg == "--flood") {
            o.flood = true;
        } else if (arg == "--password-first") {
            o.passwordFirst = true;
        } else if (arg == "--chatter-before-report") {
            long n = 0;
            count(1, n);
            o.chatterBeforeReport = static_cast<std::size_t>(n);
        } else if (parsed.error.empty()) {
            const bool known = arg == "--link" || arg == "--state" || arg == "--log" ||
                               arg == "--reply-error" || arg == "--no-reply" || arg == "--stale" ||
                               arg == "--omit" || arg == "--forget" || arg == "--eol" ||
                               arg == "--report" || arg == "--refusal" || arg == "--after-save";
            parsed.error = known ? arg + " needs a value" : "unknown argument: " + arg;
        }
        if (!parsed.error.empty()) {
            break;
        }
    }
    return parsed;
}

}  // namespace sim
