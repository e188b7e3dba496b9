#pragma once

#include <string>

struct DialogTemplate;
struct IconBitmap;

// The dialog template with the given IDD_ id; an unknown id is a programming error and throws
// std::out_of_range.
const DialogTemplate& LoadDialogTemplate(int id);

// The string-table entry with the given IDS_ id, or the empty string when there is none.
std::string LoadResourceString(int id);

// The picture of the icon with the given IDR_ id, or null when there is none.
const IconBitmap* LoadIconBitmap(int id);
