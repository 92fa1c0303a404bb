#include "settings/JsonRoot.h"

#include <QJsonDocument>
#include <QJsonParseError>

std::optional<QJsonObject> JsonRoot(const QByteArray& text, const char* format, const char* notThis,
                                    std::string& problem) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        problem = "not a JSON object";
        return std::nullopt;
    }
    QJsonObject root = document.object();
    if (root["format"].toString() != format) {
        problem = notThis;
        return std::nullopt;
    }
    return root;
}
