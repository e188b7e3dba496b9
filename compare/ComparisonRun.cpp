#include "compare/ComparisonRun.h"

#include "compare/BinaryCompare.h"
#include "compare/CompareRequest.h"
#include "compare/CompareResult.h"
#include "compare/CompareSettings.h"
#include "compare/ResultPanel.h"
#include "compare/RunHost.h"
#include "compare/TextCompare.h"
#include "platform/files/File.h"
#include "texts/Texts.h"

#include <cerrno>
#include <exception>

namespace {
// Keeps the host's busy pointer up for the life of the object, however the scope is left.
class WaitScope {
public:
    explicit WaitScope(RunHost& host) : host_(host) { host_.BeginWait(); }
    ~WaitScope() { host_.EndWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    RunHost& host_;
};

CompareResult Compare(const CFile& file1, const CFile& file2, const CompareSettings& settings,
                      ResultPanel& panel, const CompareTuning& tuning) {
    try {
        if (IsTextMode(settings.mode))
            return RunTextCompare(panel, file1, file2, TextRulesOf(settings), tuning);
        return RunBinaryCompare(panel, file1, file2, tuning);
    } catch (const std::exception&) {
        // Only the panel's own storage is left to run out of memory here; the run stops as for
        // an unreadable first file.
        return FailureOf(Side::File1, ReadFailure::System(ENOMEM));
    }
}
} // namespace

RunResult RunComparison(const CompareRequest& request, const CompareSettings& settings,
                        ResultPanel& panel, RunHost& host, const CompareTuning& tuning,
                        const FileAccess& access) {
    if (!request.hasFile1) {
        host.ShowMessage(texts::kChooseFile1, texts::kErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    if (!request.hasFile2) {
        host.ShowMessage(texts::kChooseFile2, texts::kErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    if (request.path1 == request.path2) {
        host.ShowMessage(texts::kSameFile, texts::kFileErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    // The files checked here are the files compared: each is opened once, so that no second
    // open can fail or find another file in its place.
    CFile file1;
    if (!file1.Open(request.path1, tuning.kinds, access)) {
        host.ShowMessage(request.name1, texts::kReadErrorCaption, MessageIcon::Exclamation);
        return {RunOutcome::CheckFailed, Side::File1, file1.OpenFailure()};
    }
    CFile file2;
    if (!file2.Open(request.path2, tuning.kinds, access)) {
        host.ShowMessage(request.name2, texts::kReadErrorCaption, MessageIcon::Exclamation);
        return {RunOutcome::CheckFailed, Side::File2, file2.OpenFailure()};
    }

    panel.ClearRows();
    panel.SetFileNames(request.name1, request.name2);
    const CompareResult result = [&] {
        WaitScope wait(host);
        return Compare(file1, file2, settings, panel, tuning);
    }();
    switch (result.outcome) {
    case CompareOutcome::Same:
        return {RunOutcome::Same};
    case CompareOutcome::Different:
        return {RunOutcome::Different};
    case CompareOutcome::Stopped:
        return {RunOutcome::Stopped};
    case CompareOutcome::File1Failed:
        host.ShowMessage(request.name1, texts::kReadErrorCaption, MessageIcon::Exclamation);
        return {RunOutcome::ReadFailed, Side::File1, result.failure};
    case CompareOutcome::File2Failed:
        break;
    }
    host.ShowMessage(request.name2, texts::kReadErrorCaption, MessageIcon::Exclamation);
    return {RunOutcome::ReadFailed, Side::File2, result.failure};
}
