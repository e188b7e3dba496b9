#include "compare/TextStream.h"

#include "compare/ByteKernels.h"
#include "compare/RunCheckpoint.h"

#include <algorithm>
#include <cstring>
#include <new>

TextStream::TextStream(const CFile& file, const CompareTuning& tuning,
                       const RunCheckpoint* checkpoint)
    : window_(file), step_(static_cast<std::int64_t>(tuning.windowSize)), checkpoint_(checkpoint) {}

void TextStream::Check() const {
    if (checkpoint_)
        checkpoint_->Check();
}

TextStream::Status TextStream::Fill() {
    if (position_ < window_.End())
        return Status::Ok;
    window_.Release(lineStart_);
    return window_.Extend(position_ + step_);
}

TextStream::Status TextStream::FindLineEnd(LineEnd& end) {
    for (;;) {
        const Status status = Fill();
        if (status == Status::Failed)
            return status;
        if (status == Status::End) {
            end = {position_, false};
            return Status::Ok;
        }
        std::size_t lineFeed = std::string_view::npos;
        if (window_.Read(Rest(), [&](std::string_view bytes) { lineFeed = bytes.find('\n'); }) ==
            Status::Failed)
            return Status::Failed;
        if (lineFeed != std::string_view::npos) {
            end = {position_ + static_cast<std::int64_t>(lineFeed), true};
            return Status::Ok;
        }
        Advance(Available());
        Check();
    }
}

TextStream::Status TextStream::MoveOut(std::int64_t from, std::int64_t to, MovedBytes& moved) {
    moved.size = static_cast<std::size_t>(to - from);
    try {
        // Not filled first: its pages come as the copy reaches them, while the window's go.
        moved.bytes = std::make_unique_for_overwrite<char[]>(moved.size);
    } catch (const std::bad_alloc&) {
        failure_ = {ReadFailure::Cause::NoMemoryForLine, 0, to - from};
        return Status::Failed;
    }
    for (std::int64_t at = from; at < to;) {
        const std::int64_t piece = std::min(to, at + step_);
        char* const into = moved.bytes.get() + (at - from);
        if (window_.Read({at, piece}, [&](std::string_view bytes) {
                std::memcpy(into, bytes.data(), bytes.size());
            }) == Status::Failed)
            return Status::Failed;
        at = piece;
        window_.Release(at);
    }
    return Status::Ok;
}

TextStream::Status TextStream::CountOn(LineCount& count) {
    lineStart_ = position_;
    const Status status = Fill();
    if (status != Status::Ok)
        return status;
    std::size_t lineFeeds = 0;
    char last = 0;
    if (window_.Read(Rest(), [&](std::string_view bytes) {
            lineFeeds = CountLineFeeds(bytes.data(), bytes.size());
            last = bytes.back();
        }) == Status::Failed)
        return Status::Failed;
    count.lineFeeds += static_cast<std::int64_t>(lineFeeds);
    count.unfinished = last != '\n';
    Advance(Available());
    return Status::Ok;
}
