#include "ui/table/GameTexts.h"

#include <utility>

namespace {

TTranslation& Translation() {
    static TTranslation translation;
    return translation;
}

}  // namespace

void SetTranslation(TTranslation translation) {
    Translation() = std::move(translation);
}

std::string GameText(const char* context, const char* source, const char* disambiguation) {
    return Translation() ? Translation()(context, source, disambiguation) : std::string(source);
}

std::string Filled(const std::string& text, std::initializer_list<std::string> args) {
    // One pass from the left, so that an argument holding "%2" stays as it is.
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            filled += *(args.begin() + n);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
