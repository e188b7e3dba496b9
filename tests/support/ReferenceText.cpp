#include "tests/support/ReferenceText.h"

namespace reference {
namespace {

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

bool IsLowerLetter(unsigned char byte) {
    return InRange(byte, 'a', 'z');
}

char Upper(unsigned char byte) {
    return static_cast<char>(IsLowerLetter(byte) ? byte - 'a' + 'A' : byte);
}

// The length of the UTF-8 character that starts at index, or 0 when none does there. Past ASCII,
// the table of well-formed sequences: the second byte's range depends on the first, the rest
// are 80-BF.
std::size_t Utf8CharacterLength(std::string_view bytes, std::size_t index) {
    struct Form {
        unsigned char firstLow, firstHigh, secondLow, secondHigh;
        std::size_t length;
    };
    static constexpr Form kForms[] = {
        {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
    };
    const unsigned char first = ByteAt(bytes, index);
    if (first < 0x80)
        return 1;
    for (const Form& form : kForms) {
        if (!InRange(first, form.firstLow, form.firstHigh))
            continue;
        if (bytes.size() - index < form.length)
            return 0;
        if (!InRange(ByteAt(bytes, index + 1), form.secondLow, form.secondHigh))
            return 0;
        for (std::size_t next = 2; next < form.length; ++next)
            if (!InRange(ByteAt(bytes, index + next), 0x80, 0xBF))
                return 0;
        return form.length;
    }
    return 0;
}

bool IsShiftJisFirstByte(unsigned char byte) {
    return InRange(byte, 0x81, 0x9F) || InRange(byte, 0xE0, 0xFC);
}

bool IsShiftJisSecondByte(unsigned char byte) {
    return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFC);
}

} // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t lineFeed = bytes.find('\n');
        std::string_view line = bytes.substr(0, lineFeed);
        if (lineFeed == std::string_view::npos) {
            lines.emplace_back(line);
            break;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        bytes.remove_prefix(lineFeed + 1);
    }
    return lines;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t index = 0; index < bytes.size();) {
        const std::size_t length = Utf8CharacterLength(bytes, index);
        if (length == 0)
            return false;
        index += length;
    }
    return true;
}

std::string FoldCase(std::string_view line) {
    std::string folded(line);
    const bool utf8 = IsUtf8(line);
    for (std::size_t index = 0; index < line.size(); ++index) {
        const bool pair = !utf8 && IsShiftJisFirstByte(ByteAt(line, index)) &&
                          index + 1 < line.size() && IsShiftJisSecondByte(ByteAt(line, index + 1));
        if (pair)
            ++index;
        else
            folded[index] = Upper(ByteAt(line, index));
    }
    return folded;
}

std::string CompressBlanks(std::string_view line) {
    std::string compressed;
    bool inRun = false;
    for (const char byte : line) {
        const bool blank = byte == ' ' || byte == '\t';
        if (!blank)
            compressed += byte;
        else if (!inRun)
            compressed += ' ';
        inRun = blank;
    }
    return compressed;
}

bool LinesEqual(std::string_view line1, std::string_view line2, TextOptions options) {
    if (line1 == line2)
        return true; // whatever the options do, they do alike to both
    std::string work1(line1);
    std::string work2(line2);
    if (options.compressBlanks) {
        work1 = CompressBlanks(work1);
        work2 = CompressBlanks(work2);
    }
    if (options.foldCase) {
        work1 = FoldCase(work1);
        work2 = FoldCase(work2);
    }
    return work1 == work2;
}

std::string DisplayName(std::string_view path, char separator) {
    for (std::size_t index = path.size(); index > 0; --index)
        if (path[index - 1] == separator)
            return std::string(path.substr(index));
    return std::string(path);
}

} // namespace reference
