#include "ScreenText.h"

#include "Cp932Text.h"

namespace {

constexpr std::string_view kDeleteSymbol = "\u2421";
constexpr std::string_view kNewlineSymbol = "\u2424";
// The Unicode line and paragraph separators, which break a line as a line feed does.
constexpr std::string_view kLineSeparator = "\u2028";
constexpr std::string_view kParagraphSeparator = "\u2029";

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// The length of the UTF-8 sequence at index, or 0 when none starts there; overlong forms,
// surrogates and code points past U+10FFFF are refused so that such bytes go to Shift-JIS.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t index) {
    const unsigned char lead = ByteAt(bytes, index);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - index < length) {
        return 0;
    }
    const unsigned char second = ByteAt(bytes, index + 1);
    if (second < secondLow || second > secondHigh) {
        return 0;
    }
    for (std::size_t offset = 2; offset < length; ++offset) {
        const unsigned char next = ByteAt(bytes, index + offset);
        if (next < 0x80 || next > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t index = 0; index < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, index);
        if (length == 0) {
            return false;
        }
        index += length;
    }
    return true;
}

// The first maxCharacters characters of valid UTF-8.
std::string_view Utf8Start(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t index = 0;
    for (std::size_t characters = 0; characters < maxCharacters && index < utf8.size();
         ++characters) {
        index += Utf8SequenceLength(utf8, index);
    }
    return utf8.substr(0, index);
}

// Works on decoded UTF-8, in which a byte below 0x80 is always a character of its own.
std::string ShowControls(std::string_view text, TabShown tabs) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const unsigned char byte = ByteAt(text, index);
        const std::string_view rest = text.substr(index);
        if (byte == '\t' && tabs == TabShown::AsTab) {
            out += '\t';
        } else if (byte < 0x20) {
            // U+2400 + byte: E2 90 80 + byte.
            out += "\xE2\x90";
            out += static_cast<char>(0x80 + byte);
        } else if (byte == 0x7F) {
            out += kDeleteSymbol;
        } else if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
            out += kNewlineSymbol;
            index += kLineSeparator.size() - 1;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace

std::string ToScreenText(std::string_view bytes, TabShown tabs) {
    return ToScreenTextStart(bytes, std::numeric_limits<std::size_t>::max(), tabs);
}

std::string ToScreenTextStart(std::string_view bytes, std::size_t maxCharacters, TabShown tabs) {
    if (IsUtf8(bytes)) {
        return ShowControls(Utf8Start(bytes, maxCharacters), tabs);
    }
    return ShowControls(Cp932ToUtf8(bytes, maxCharacters), tabs);
}
