#include "ScreenText.h"

#include <iconv.h>

#include <cstddef>

namespace {

constexpr std::string_view kZeroSymbol = "\u2400";
constexpr std::string_view kReplacement = "\uFFFD";

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

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// One CP932 conversion descriptor for one call, closed on every path. glibc's CP932 table is
// the exact one: its "SHIFT_JIS" turns the backslash into a yen sign.
class Cp932Decoder {
public:
    Cp932Decoder() : handle_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder() {
        if (IsOpen()) {
            iconv_close(handle_);
        }
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    // Appends the UTF-8 of one character (one or two bytes) and says whether the table had it.
    // Without the table (no gconv modules) only ASCII gets through.
    bool Append(std::string_view unit, std::string& out) {
        if (!IsOpen()) {
            if (unit.size() == 1 && ByteAt(unit, 0) < 0x80) {
                out += unit;
                return true;
            }
            return false;
        }
        char input[2] = {};
        unit.copy(input, sizeof input);
        char output[8] = {};
        char* in = input;
        char* outCursor = output;
        std::size_t inLeft = unit.size();
        std::size_t outLeft = sizeof output;
        const std::size_t result = iconv(handle_, &in, &inLeft, &outCursor, &outLeft);
        if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            return false;
        }
        out.append(output, outCursor);
        return true;
    }

private:
    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_;
};

std::string ZeroBytesShown(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        if (byte == '\0') {
            out += kZeroSymbol;
        } else {
            out += byte;
        }
    }
    return out;
}

std::string FromCp932(std::string_view bytes) {
    Cp932Decoder decoder;
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::size_t index = 0; index < bytes.size();) {
        const unsigned char byte = ByteAt(bytes, index);
        if (byte == 0) {
            out += kZeroSymbol;
            ++index;
            continue;
        }
        if (IsLeadByte(byte) && index + 1 < bytes.size() && IsTrailByte(ByteAt(bytes, index + 1))) {
            if (decoder.Append(bytes.substr(index, 2), out)) {
                index += 2;
                continue;
            }
            out += kReplacement;
            // An unmapped pair gives back an ASCII trail byte, so no letter is swallowed.
            index += ByteAt(bytes, index + 1) < 0x80 ? 1 : 2;
            continue;
        }
        if (!decoder.Append(bytes.substr(index, 1), out)) {
            out += kReplacement;
        }
        ++index;
    }
    return out;
}

} // namespace

std::string ToScreenText(std::string_view bytes) {
    return IsUtf8(bytes) ? ZeroBytesShown(bytes) : FromCp932(bytes);
}
