#pragma once

#include <string>

// What one press of Execute hands to a run: for each side whether a file is chosen, the name
// the user sees for it and its full path. Names and paths are empty for a side without a choice.
struct CompareRequest {
    bool hasFile1 = false;
    std::string name1;
    std::string path1;
    bool hasFile2 = false;
    std::string name2;
    std::string path2;
};
