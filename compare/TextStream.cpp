#include "compare/TextStream.h"

#include "compare/ByteKernels.h"
#include "compare/RunCheckpoint.h"
#include "platform/files/PageFaultGuard.h"

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
        const void* found = nullptr;
        if (Guarded([&] { found = std::memchr(Here(), '\n', Available()); }) == Status::Failed)
            return Status::Failed;
        if (found) {
            end = {position_ + (static_cast<const char*>(found) - Here()), true};
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
        const char* const source = At(at);
        if (Guarded([&] { std::memcpy(into, source, static_cast<std::size_t>(piece - at)); }) ==
            Status::Failed)
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
    if (Guarded([&] {
            lineFeeds = CountLineFeeds(Here(), Available());
            last = Here()[Available() - 1];
        }) == Status::Failed)
        return Status::Failed;
    count.lineFeeds += static_cast<std::int64_t>(lineFeeds);
    count.unfinished = last != '\n';
    Advance(Available());
    return Status::Ok;
}
