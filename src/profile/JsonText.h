#pragma once

#include <QJsonValue>
#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace wifi {

// A JSON value as compact text, with JSON's own escaping.
std::string JsonText(const QJsonValue& value);

// A JSON object whose members keep the order they were added in (QJsonObject
// sorts them): what people read comes first, as in {"port": ..., "ok": ...}.
class OrderedJson {
  public:
    OrderedJson& Add(const QString& name, const QJsonValue& value);
    OrderedJson& AddText(const QString& name, const std::string& json);  // already JSON
    // {"a": 1, "b": "x"} on one line.
    std::string Text() const;

  private:
    std::vector<std::pair<QString, std::string>> members_;
};

}  // namespace wifi
