// Writes the desktop integration files at build time, so that their values come from the
// program's own icon and version block:
//   vy-desktop-files icon SIZE OUT.png            the icon at SIZE, every pixel a whole one of the
//                                                 32-pixel picture
//   vy-desktop-files svg OUT.svg                  the icon as a scalable picture of square pixels
//   vy-desktop-files fill IN OUT [NAME=VALUE...]  IN with every @NAME@ replaced by its value
// The names are the keys of the version strings, VERSION (the project version, as 1.0.0.1) and
// those given on the command line.

#include "platform/qt/Icon.h"
#include "res/MainIcon.h"
#include "res/VersionInfo.h"
#include "res/desktop/IconSvg.h"

#include <QImage>
#include <QString>

#include <charconv>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

namespace {

constexpr int kSmallestIcon = 16;
constexpr int kLargestIcon = 1024;

// The values go into XML and desktop-entry lines unescaped.
constexpr bool IsPlainValue(std::string_view value) {
    return value.find_first_of("&<>\"\n\r@") == std::string_view::npos;
}

constexpr bool VersionStringsArePlain() {
    if (!IsPlainValue(kVersionInfo.version))
        return false;
    for (const VersionString& entry : kVersionInfo.strings)
        if (!IsPlainValue(entry.value))
            return false;
    return true;
}
static_assert(VersionStringsArePlain());

int WriteIcon(std::string_view sizeText, const char* outPath) {
    int size = 0;
    const char* const last = sizeText.data() + sizeText.size();
    const auto [end, error] = std::from_chars(sizeText.data(), last, size);
    if (error != std::errc() || end != last || size < kSmallestIcon || size > kLargestIcon) {
        std::cerr << "vy-desktop-files: the size must be from " << kSmallestIcon << " to "
                  << kLargestIcon << '\n';
        return 1;
    }
    if (!IconImage(kMainIcon, size).save(QString::fromLocal8Bit(outPath), "PNG")) {
        std::cerr << "vy-desktop-files: cannot write " << outPath << '\n';
        return 1;
    }
    return 0;
}

int WriteText(const char* outPath, const std::string& text) {
    std::ofstream file(outPath, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        std::cerr << "vy-desktop-files: cannot write " << outPath << '\n';
        return 1;
    }
    return 0;
}

int FillTemplate(const char* inPath, const char* outPath, int extraCount, char** extras) {
    std::map<std::string, std::string, std::less<>> values;
    for (const VersionString& entry : kVersionInfo.strings)
        values.emplace(entry.key, entry.value);
    values["VERSION"] = kVersionInfo.version;
    for (int index = 0; index < extraCount; ++index) {
        const std::string_view extra = extras[index];
        const std::size_t equals = extra.find('=');
        if (equals == std::string_view::npos || !IsPlainValue(extra.substr(equals + 1))) {
            std::cerr << "vy-desktop-files: expected NAME=VALUE, got " << extra << '\n';
            return 1;
        }
        values[std::string(extra.substr(0, equals))] = extra.substr(equals + 1);
    }

    std::ifstream in(inPath, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in) {
        std::cerr << "vy-desktop-files: cannot read " << inPath << '\n';
        return 1;
    }
    std::string out;
    std::size_t done = 0;
    for (std::size_t open = text.find('@'); open != std::string::npos;
         open = text.find('@', done)) {
        const std::size_t close = text.find('@', open + 1);
        const auto value =
            close == std::string::npos
                ? values.end()
                : values.find(std::string_view(text).substr(open + 1, close - open - 1));
        if (value == values.end()) {
            std::cerr << inPath << ": unknown placeholder at byte " << open << '\n';
            return 1;
        }
        out.append(text, done, open - done).append(value->second);
        done = close + 1;
    }
    out.append(text, done);
    return WriteText(outPath, out);
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "icon" && argc == 4)
        return WriteIcon(argv[2], argv[3]);
    if (command == "svg" && argc == 3)
        return WriteText(argv[2], IconSvg(kMainIcon));
    if (command == "fill" && argc >= 4)
        return FillTemplate(argv[2], argv[3], argc - 4, argv + 4);
    std::cerr << "usage: vy-desktop-files icon SIZE OUT.png\n"
                 "       vy-desktop-files svg OUT.svg\n"
                 "       vy-desktop-files fill IN OUT [NAME=VALUE...]\n";
    return 2;
}
