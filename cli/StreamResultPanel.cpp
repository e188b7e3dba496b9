#include "cli/StreamResultPanel.h"

#include "platform/text/ScreenText.h"
#include "texts/Texts.h"

void StreamResultPanel::Write(std::string_view bytes) {
    // An empty view may hold no buffer at all, which fwrite must not be given.
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), stream_);
}

void StreamResultPanel::Show(std::string_view text) {
    if (form_ == RowForm::Screen)
        StreamScreenText(text, TabShown::AsTab, [this](std::string_view piece) { Write(piece); });
    else
        Write(text);
}

void StreamResultPanel::WriteLine(std::string_view label, std::string_view text) {
    Write(label);
    Show(text);
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
    Show(text.substr(0, begin));
    Write("\x1b[1;31m");
    Show(text.substr(begin, end - begin));
    Write("\x1b[m");
    Show(text.substr(end));
    std::fputc('\n', stream_);
}

void StreamResultPanel::SetFileNames(std::string_view name1, std::string_view name2) {
    WriteLine(texts::kFile1Label, name1);
    WriteLine(texts::kFile2Label, name2);
}

void StreamResultPanel::SetLengthVerdict(std::string_view text) {
    lengthVerdict_ = text;
}

void StreamResultPanel::SetDifferenceSummary(std::string_view text) {
    differenceSummary_ = text;
}

void StreamResultPanel::Finish() {
    WriteLine(texts::kLengthLabel, lengthVerdict_);
    WriteLine(texts::kDifferencesLabel, differenceSummary_);
}
