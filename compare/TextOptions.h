#pragma once

// What counts as equal between two lines of text.
struct TextOptions {
    bool foldCase = false;       // a-z and A-Z count as the same letters
    bool compressBlanks = false; // every run of blanks and tabs counts as one blank
};
