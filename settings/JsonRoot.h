// The top of a file the game writes as JSON: one object that names its format.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <optional>
#include <string>

// The object of `text` when it is one and its "format" is `format`; else
// nothing, and `problem` says in English why: "not a JSON object" or `notThis`.
std::optional<QJsonObject> JsonRoot(const QByteArray& text, const char* format, const char* notThis,
                                    std::string& problem);
