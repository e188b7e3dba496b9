#pragma once

#include "File.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text file read line by line. A line ends at LF, and a CR directly before that LF is
// dropped with it; every other byte, a lone CR and zero bytes included, belongs to the line.
// A last line without a line end is a line; a file that ends in a line end yields no empty
// line after it. Reads go through a large buffer, so memory stays bounded by the longest line.
class CStdioFile {
public:
    enum class ReadStatus { Line, End, Failed };

    bool Open(const std::string& path);
    bool IsOpen() const { return file_.IsOpen(); }
    // The next line without its line end, valid until the next call.
    ReadStatus ReadString(std::string_view& line);
    // Counts the lines that remain, without keeping them; nullopt on a read error.
    std::optional<std::int64_t> CountRemainingLines();
    void Close();

private:
    bool Refill();

    CFile file_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // first unread byte in buffer_
    std::size_t end_ = 0;   // one past the last byte read into buffer_
    std::string spill_;     // a line that spans refills
    bool failed_ = false;
    bool atEnd_ = false;
};
