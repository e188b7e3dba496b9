#include "platform/text/ScreenText.h"

#include "encoding/Utf8.h"
#include "platform/text/Cp932Text.h"

namespace {

constexpr std::string_view kDeleteSymbol = "\u2421";
constexpr std::string_view kNewlineSymbol = "\u2424";
// The Unicode line and paragraph separators, which break a line as a line feed does.
constexpr std::string_view kLineSeparator = "\u2028";
constexpr std::string_view kParagraphSeparator = "\u2029";

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// The first maxCharacters characters of valid UTF-8.
std::string_view Utf8Start(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t index = 0;
    for (std::size_t characters = 0; characters < maxCharacters && index < utf8.size();
         ++characters)
        index += Utf8SequenceLength(utf8, index);
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
    // Bytes that are not wholly UTF-8 go to Shift-JIS, overlong forms and surrogates included.
    if (IsValidUtf8(bytes))
        return ShowControls(Utf8Start(bytes, maxCharacters), tabs);
    return ShowControls(Cp932ToUtf8(bytes, maxCharacters), tabs);
}
