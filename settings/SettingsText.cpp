#include "settings/SettingsText.h"

#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <cstdint>

namespace {

enum class TEncoding { Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

struct TMark {
    QByteArrayView Bytes;
    TEncoding Encoding;
};

// The UTF-32 marks come first: FF FE 00 00 also begins with the UTF-16 one.
constexpr TMark Marks[] = {
    {QByteArrayView("\xFF\xFE\x00\x00", 4), TEncoding::Utf32Le},
    {QByteArrayView("\x00\x00\xFE\xFF", 4), TEncoding::Utf32Be},
    {QByteArrayView("\xEF\xBB\xBF", 3), TEncoding::Utf8},
    {QByteArrayView("\xFF\xFE", 2), TEncoding::Utf16Le},
    {QByteArrayView("\xFE\xFF", 2), TEncoding::Utf16Be},
};

uint32_t Unit(QByteArrayView bytes, qsizetype at, int size, bool bigEndian) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<uint8_t>(bytes[at + (bigEndian ? i : size - 1 - i)]);
        value = (value << 8) | byte;
    }
    return value;
}

// Qt's UTF-16 and UTF-32 decoders pass odd lengths and stray values without
// complaint, so these two check every unit themselves.
bool FromUtf16(QByteArrayView bytes, bool bigEndian, QString& text) {
    if (bytes.size() % 2 != 0) {
        return false;
    }
    text.resize(bytes.size() / 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        text[i] = QChar(static_cast<char16_t>(Unit(bytes, 2 * i, 2, bigEndian)));
    }
    return QStringView(text).isValidUtf16();
}

bool FromUtf32(QByteArrayView bytes, bool bigEndian, QString& text) {
    if (bytes.size() % 4 != 0) {
        return false;
    }
    text.clear();
    text.reserve(bytes.size() / 4);
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        const uint32_t value = Unit(bytes, i, 4, bigEndian);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        text.append(QChar::fromUcs4(value));
    }
    return true;
}

bool FromUtf8(QByteArrayView bytes, QString& text) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool Decode(QByteArrayView bytes, TEncoding encoding, QString& text) {
    switch (encoding) {
        case TEncoding::Utf8:
            return FromUtf8(bytes, text);
        case TEncoding::Utf16Le:
        case TEncoding::Utf16Be:
            return FromUtf16(bytes, encoding == TEncoding::Utf16Be, text);
        case TEncoding::Utf32Le:
        case TEncoding::Utf32Be:
            return FromUtf32(bytes, encoding == TEncoding::Utf32Be, text);
    }
    return false;
}

// Without a mark, an encoding is only believed when the text it gives looks
// like an INI file: no control characters but line ends and tabs, and mostly
// plain ASCII (the section and key names are). The share of ASCII ranks the
// candidates; 0 means not believable.
qsizetype IniLikeness(const QString& text) {
    qsizetype ascii = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            return 0;
        }
        if (u < 0x80) {
            ++ascii;
        }
    }
    return 2 * ascii >= text.size() ? ascii : 0;
}

// What can be saved of a file that is no clean text.
QString Salvage(QByteArray bytes) {
    bytes.replace('\0', '\n');
    QString text;
    if (FromUtf8(bytes, text)) {
        return text;
    }
    // Proper UTF-8 elsewhere in the file: a few damaged bytes. Otherwise it is
    // most likely an old 8-bit file.
    const bool utf8 = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() >= 0x80 && c != QChar::ReplacementCharacter;
    });
    return utf8 ? text : QString::fromLatin1(bytes);
}

TSettingsText Whole(const QString& text) {
    return {text.toUtf8(), true};
}

TSettingsText Partly(const QString& text) {
    QString lines = text;
    lines.replace(QChar(0), QChar('\n'));
    return {lines.toUtf8(), false};
}

}  // namespace

TSettingsText DecodeSettingsText(const QByteArray& data) {
    QString text;
    for (const TMark& mark : Marks) {
        if (data.startsWith(mark.Bytes)) {
            const QByteArrayView rest = QByteArrayView(data).sliced(mark.Bytes.size());
            if (!Decode(rest, mark.Encoding, text)) {
                return Partly(Salvage(rest.toByteArray()));
            }
            return text.contains(QChar(0)) ? Partly(text) : Whole(text);
        }
    }
    if (!data.contains('\0')) {
        return FromUtf8(data, text) ? Whole(text) : Partly(Salvage(data));
    }
    // NUL bytes without a mark: UTF-16 or UTF-32 of plain text, or damage.
    QString best;
    qsizetype bestLikeness = 0;
    for (TEncoding encoding :
         {TEncoding::Utf32Le, TEncoding::Utf32Be, TEncoding::Utf16Le, TEncoding::Utf16Be}) {
        if (Decode(data, encoding, text)) {
            const qsizetype likeness = IniLikeness(text);
            if (likeness > bestLikeness) {
                best = text;
                bestLikeness = likeness;
            }
        }
    }
    return bestLikeness > 0 ? Whole(best) : Partly(Salvage(data));
}
