#include "StdioFile.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}
} // namespace

bool CStdioFile::Open(const std::string& path) {
    begin_ = end_ = 0;
    spill_.clear();
    failed_ = atEnd_ = false;
    if (!file_.Open(path))
        return false;
    buffer_.resize(kBufferSize);
    return true;
}

bool CStdioFile::Refill() {
    begin_ = end_ = 0;
    if (failed_ || atEnd_)
        return false;
    const auto count = file_.Read(buffer_.data(), buffer_.size());
    if (!count) {
        failed_ = true;
        return false;
    }
    end_ = *count;
    atEnd_ = end_ == 0;
    return !atEnd_;
}

CStdioFile::ReadStatus CStdioFile::ReadString(std::string_view& line) {
    spill_.clear();
    bool pending = false; // bytes of an unfinished line are in spill_
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* lineFeed =
            available > 0 ? static_cast<const char*>(std::memchr(start, '\n', available)) : nullptr;
        if (lineFeed) {
            const auto length = static_cast<std::size_t>(lineFeed - start);
            begin_ += length + 1;
            if (!pending) {
                line = WithoutCarriageReturn({start, length});
            } else {
                spill_.append(start, length);
                line = WithoutCarriageReturn(spill_);
            }
            return ReadStatus::Line;
        }
        if (available > 0) {
            spill_.append(start, available);
            pending = true;
        }
        if (!Refill()) {
            if (failed_)
                return ReadStatus::Failed;
            if (!pending)
                return ReadStatus::End;
            line = spill_; // a last line without a line end; a lone CR at its end stays
            return ReadStatus::Line;
        }
    }
}

std::optional<std::int64_t> CStdioFile::CountRemainingLines() {
    std::int64_t lines = 0;
    bool unfinished = false;
    do {
        const char* start = buffer_.data() + begin_;
        const char* finish = buffer_.data() + end_;
        lines += std::count(start, finish, '\n');
        if (start != finish)
            unfinished = finish[-1] != '\n';
        begin_ = end_;
    } while (Refill());
    if (failed_)
        return std::nullopt;
    return lines + (unfinished ? 1 : 0);
}

void CStdioFile::Close() {
    file_.Close();
    buffer_.clear();
    buffer_.shrink_to_fit();
    spill_.clear();
    begin_ = end_ = 0;
}
