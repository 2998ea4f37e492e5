// The system's converters where there is glibc's (or the C library's) iconv:
// Linux and macOS.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "text/TextConverter.h"

namespace wifi {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// One direction of one iconv conversion. Each call starts afresh.
class IconvPath {
  public:
    IconvPath(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvPath() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    IconvPath(const IconvPath&) = delete;
    IconvPath& operator=(const IconvPath&) = delete;

    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; with `lossy`, each byte that does not convert
    // becomes U+FFFD (the target is UTF-8 then), else the conversion fails.
    std::optional<std::string> Convert(std::string_view in, bool lossy) const {
        if (!usable()) {
            return std::nullopt;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, sizeof buffer - dstLeft);
            if (rc != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;  // the buffer is full: go on
            }
            // EILSEQ: not valid here; EINVAL: a character cut off at the end.
            if (!lossy) {
                return std::nullopt;
            }
            out.append(kReplacement);
            ++src;
            --srcLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);  // any shift back to the initial state
        out.append(buffer, sizeof buffer - dstLeft);
        return out;
    }

  private:
    iconv_t cd_;
};

class IconvConverter : public TextConverter {
  public:
    explicit IconvConverter(const char* charset)
        : toUtf8_("UTF-8", charset), fromUtf8_(charset, "UTF-8") {}
    std::optional<std::string> ToUtf8(std::string_view bytes) const override {
        return toUtf8_.Convert(bytes, false);
    }
    std::string ToUtf8Lossy(std::string_view bytes) const override {
        return toUtf8_.Convert(bytes, true).value_or(std::string());
    }
    std::optional<std::string> FromUtf8(std::string_view text) const override {
        return fromUtf8_.Convert(text, false);
    }

  private:
    IconvPath toUtf8_;
    IconvPath fromUtf8_;
};

class IconvConverters : public TextConverters {
  public:
    const TextConverter& For(TextEncoding encoding) const override {
        return encoding == TextEncoding::Gbk ? gbk_ : utf8_;
    }

  private:
    IconvConverter utf8_{"UTF-8"};
    IconvConverter gbk_{"GBK"};
};

}  // namespace

const TextConverters& SystemTextConverters() {
    // One set per thread: an iconv descriptor keeps state between calls, and
    // the command line converts on a thread per port.
    thread_local const IconvConverters converters;
    return converters;
}

unsigned SystemAnsiCodePage() {
    return 0;
}

}  // namespace wifi
