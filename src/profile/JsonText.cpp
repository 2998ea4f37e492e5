#include "profile/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace wifi {

std::string JsonText(const QJsonValue& value) {
    // A one-element array serialises the value with JSON's own escaping.
    const QByteArray one = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return one.mid(1, one.size() - 2).toStdString();
}

OrderedJson& OrderedJson::Add(const QString& name, const QJsonValue& value) {
    return AddText(name, JsonText(value));
}

OrderedJson& OrderedJson::AddText(const QString& name, const std::string& json) {
    members_.emplace_back(name, json);
    return *this;
}

std::string OrderedJson::Text() const {
    std::string text(1, '{');
    for (const auto& [name, json] : members_) {
        if (text.size() > 1) {
            text.append(", ");
        }
        text.append(JsonText(name)).append(": ").append(json);
    }
    return text.append("}");
}

}  // namespace wifi
