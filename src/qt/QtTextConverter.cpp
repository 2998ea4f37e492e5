#include "qt/QtTextConverter.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace wifi {

namespace {

QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class QtConverter : public TextConverter {
  public:
    explicit QtConverter(const char* name) : name_(name) {}
    bool usable() const {
        return QStringDecoder(name_).isValid() && QStringEncoder(name_).isValid();
    }

    std::optional<std::string> ToUtf8(std::string_view bytes) const override {
        QStringDecoder decoder(name_, QStringConverter::Flag::Stateless);
        const QString text = decoder(Bytes(bytes));
        return decoder.hasError() ? std::nullopt : std::optional(text.toStdString());
    }
    std::string ToUtf8Lossy(std::string_view bytes) const override {
        return QStringDecoder(name_)(Bytes(bytes)).operator QString().toStdString();
    }
    std::optional<std::string> FromUtf8(std::string_view text) const override {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString characters = utf8(Bytes(text));
        if (utf8.hasError()) {
            return std::nullopt;  // no UTF-8: no characters to encode
        }
        QStringEncoder encoder(name_, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(characters);
        return encoder.hasError() ? std::nullopt : std::optional(bytes.toStdString());
    }

  private:
    const char* name_;
};

class WindowConverters : public TextConverters {
  public:
    const TextConverter& For(TextEncoding encoding) const override {
        if (encoding == TextEncoding::Utf8) {
            return utf8_;
        }
        return gbk_.usable() ? static_cast<const TextConverter&>(gbk_)
                             : SystemTextConverters().For(TextEncoding::Gbk);
    }

  private:
    QtConverter utf8_{"UTF-8"};
    QtConverter gbk_{"GBK"};
};

}  // namespace

const TextConverters& QtTextConverters() {
    static const WindowConverters converters;
    return converters;
}

bool GbkAvailable() {
    return QtTextConverters().For(TextEncoding::Gbk).FromUtf8("\xE4\xBD\xA0").has_value();  // 你
}

}  // namespace wifi
