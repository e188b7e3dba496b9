#pragma once

#include "compare/CompareTuning.h"
#include "platform/files/FileWindow.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

class CFile;
class RunCheckpoint;

// One file of a text comparison, walked as a stream of bytes. Its window holds the current line
// from its start, so that a line pair which may differ can be matched and listed whole; memory
// follows the longest line. Each step that reads bytes guards against a cut file and reports it
// as Failed.
class TextStream {
public:
    using Status = FileWindow::Status;

    // Where the current line ends: at a line feed, or without one at the file's end.
    struct LineEnd {
        std::int64_t offset;
        bool lineFeed;
    };

    // A checkpoint, when given, is asked at each window of a long line while its end is sought,
    // and may end that by throwing; a stream counted on another thread has none.
    TextStream(const CFile& file, const CompareTuning& tuning,
               const RunCheckpoint* checkpoint = nullptr);

    // Makes sure a byte stands at Position(); End when the file has no more.
    Status Fill();
    std::int64_t Position() const { return position_; }
    std::int64_t LineStart() const { return lineStart_; }
    std::size_t Available() const { return static_cast<std::size_t>(window_.End() - position_); }
    // Its window, whose bytes are read through FileWindow::Read and ReadBoth.
    const FileWindow& Window() const { return window_; }
    FileWindow& Window() { return window_; }
    // Whether the file still holds the bytes before `end`; see FileWindow::Confirm.
    Status Confirm(std::int64_t end) { return window_.Confirm(end); }
    // Fails the stream for a line of `bytes` that could not be held.
    void FailLine(std::int64_t bytes) {
        failure_ = {ReadFailure::Cause::NoMemoryForLine, 0, bytes};
    }
    // Why the last step failed.
    const ReadFailure& Failure() const { return failure_ ? *failure_ : window_.Failure(); }

    void Advance(std::size_t count) { position_ += static_cast<std::int64_t>(count); }
    void MoveTo(std::int64_t offset) { position_ = offset; }
    // Ends the current line: the next one starts at `offset`, where the stream goes on.
    void StartLineAt(std::int64_t offset) { position_ = lineStart_ = offset; }
    // Finds the end of the current line, bringing all of it into the window.
    Status FindLineEnd(LineEnd& end);
    // Bytes moved out of the window into memory of their own.
    struct MovedBytes {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::string_view View() const { return {bytes.get(), size}; }
    };
    // Moves the bytes [from, to) out of the window piece by piece, the window letting go of each
    // piece as it is copied, so that a long line is never held twice. Failed when they are lost
    // or no memory can hold them (a line too long for the memory).
    Status MoveOut(std::int64_t from, std::int64_t to, MovedBytes& moved);
    // Lines counted, not kept: line feeds, and bytes after the last of them, which make a line.
    struct LineCount {
        std::int64_t lineFeeds = 0;
        bool unfinished = false;
        std::int64_t Lines() const { return lineFeeds + (unfinished ? 1 : 0); }
    };
    // Counts the lines in the next window's worth of bytes from Position() on; End when no
    // bytes remain.
    Status CountOn(LineCount& count);

private:
    // The bytes from Position() to the window's end.
    FileWindow::Stretch Rest() const { return {position_, window_.End()}; }
    void Check() const;

    FileWindow window_;
    std::optional<ReadFailure> failure_; // of the stream itself, not of its window
    std::int64_t step_;
    const RunCheckpoint* checkpoint_;
    std::int64_t position_ = 0;
    std::int64_t lineStart_ = 0;
};
