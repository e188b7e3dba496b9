#include "cli/StreamResultPanel.h"

#include "platform/text/ScreenText.h"

void StreamResultPanel::WriteLine(std::string_view label, std::string_view text) {
    if (form_ == RowForm::Screen)
        WriteAsIs(label, ToScreenText(text));
    else
        WriteAsIs(label, text);
}

void StreamResultPanel::WriteAsIs(std::string_view label, std::string_view text) {
    // An empty view may hold no buffer at all, which fwrite must not be given.
    for (const std::string_view part : {label, text})
        if (!part.empty())
            std::fwrite(part.data(), 1, part.size(), stream_);
    std::fputc('\n', stream_);
}

void StreamResultPanel::AddRow(std::string_view text) {
    WriteLine({}, text);
}

void StreamResultPanel::AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) {
    if (marks_ == RowMarks::Plain || begin == end) {
        AddRow(text);
        return;
    }
    // Red and bold, then back to the terminal's defaults. The three parts are shown each on its
    // own; the stretch begins and ends on whole characters.
    const auto shown = [this](std::string_view part) {
        return form_ == RowForm::Screen ? ToScreenText(part) : std::string(part);
    };
    WriteAsIs({}, shown(text.substr(0, begin)) + "\x1b[1;31m" +
                      shown(text.substr(begin, end - begin)) + "\x1b[m" + shown(text.substr(end)));
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
