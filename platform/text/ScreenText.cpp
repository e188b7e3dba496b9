#include "platform/text/ScreenText.h"

#include "encoding/ShiftJis.h"
#include "encoding/Utf8.h"
#include "platform/text/Cp932Text.h"

#include <algorithm>

namespace {

// The bytes turned into screen text at a time, which bounds the memory a long text takes.
constexpr std::size_t kPiece = 64 * 1024;
constexpr std::size_t kAllCharacters = std::numeric_limits<std::size_t>::max();

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

// The bytes that show as they are: neither a control nor the lead byte of a line separator.
bool ShowsAsItIs(unsigned char byte) {
    return byte >= 0x20 && byte != 0x7F && byte != 0xE2;
}

// Works on decoded UTF-8, in which a byte below 0x80 is always a character of its own.
std::string ShowControls(std::string_view text, TabShown tabs) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        // Runs of plain text, the common case, go over whole.
        std::size_t plain = index;
        while (plain < text.size() && ShowsAsItIs(ByteAt(text, plain)))
            ++plain;
        out.append(text.substr(index, plain - index));
        if (plain == text.size())
            break;
        index = plain;
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

// Where the piece of at most kPiece bytes from `at` ends without cutting a character in two.
std::size_t Utf8PieceEnd(std::string_view utf8, std::size_t at) {
    std::size_t end = std::min(utf8.size(), at + kPiece);
    while (end > at && end < utf8.size() && (ByteAt(utf8, end) & 0xC0) == 0x80)
        --end;
    return end;
}

std::size_t ShiftJisPieceEnd(std::string_view bytes, std::size_t at) {
    const std::size_t limit = std::min(bytes.size(), at + kPiece);
    std::size_t end = at;
    while (end < limit)
        end += IsShiftJisLeadByte(ByteAt(bytes, end)) && end + 1 < bytes.size() &&
                       IsShiftJisTrailByte(ByteAt(bytes, end + 1))
                   ? 2
                   : 1;
    return end;
}

} // namespace

std::string ToScreenText(std::string_view bytes, TabShown tabs) {
    std::string out;
    StreamScreenText(bytes, tabs, [&](std::string_view piece) { out += piece; });
    return out;
}

void StreamScreenText(std::string_view bytes, TabShown tabs,
                      const std::function<void(std::string_view)>& write) {
    const bool utf8 = IsValidUtf8(bytes);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = utf8 ? Utf8PieceEnd(bytes, at) : ShiftJisPieceEnd(bytes, at);
        const std::string_view piece = bytes.substr(at, end - at);
        write(ShowControls(utf8 ? piece : Cp932ToUtf8(piece, kAllCharacters), tabs));
        at = end;
    }
}

std::string ToScreenTextStart(std::string_view bytes, std::size_t maxCharacters, TabShown tabs) {
    // Bytes that are not wholly UTF-8 go to Shift-JIS, overlong forms and surrogates included.
    if (IsValidUtf8(bytes))
        return ShowControls(Utf8Start(bytes, maxCharacters), tabs);
    return ShowControls(Cp932ToUtf8(bytes, maxCharacters), tabs);
}
