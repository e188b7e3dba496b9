#pragma once

// What counts as equal between two lines of text: the one form in which every layer of the text
// comparison takes its options, made from the settings where a run starts.
struct TextRules {
    // a-z and A-Z count as the same letters, where the byte before is below 0x80 (a letter
    // there is a character of its own in UTF-8 and in Shift-JIS alike).
    bool foldCase = false;
    // Every run of blanks and tabs counts as one blank.
    bool compressBlanks = false;
    bool operator==(const TextRules&) const = default;
};
