#include "cli/StreamResultPanel.h"

#include "platform/text/ScreenText.h"

void StreamResultPanel::WriteLine(std::string_view label, std::string_view text) {
    const auto write = [this](std::string_view part) {
        // An empty view may hold no buffer at all, which fwrite must not be given.
        if (!part.empty())
            std::fwrite(part.data(), 1, part.size(), stream_);
    };
    write(label);
    if (form_ == RowForm::Screen)
        StreamScreenText(text, TabShown::AsTab, write);
    else
        write(text);
    std::fputc('\n', stream_);
}

void StreamResultPanel::AddRow(std::string_view text) {
    WriteLine({}, text);
}

void StreamResultPanel::SetFileNames(std::string_view name1, std::string_view name2) {
    WriteLine("File1: ", name1);
    WriteLine("File2: ", name2);
}

void StreamResultPanel::SetLengthVerdict(std::string_view text) {
    lengthVerdict_ = text;
}

void StreamResultPanel::SetDifferenceSummary(std::string_view text) {
    differenceSummary_ = text;
}

void StreamResultPanel::Finish() {
    WriteLine("長さ: ", lengthVerdict_);
    WriteLine("違い: ", differenceSummary_);
}
