#include "compare/ComparisonRun.h"

#include "compare/BinaryCompare.h"
#include "compare/CompareRequest.h"
#include "compare/CompareSettings.h"
#include "compare/ResultPanel.h"
#include "compare/RunHost.h"
#include "compare/TextCompare.h"
#include "platform/files/File.h"

#include <exception>

namespace {
constexpr std::string_view kErrorCaption = "Error!!!";
constexpr std::string_view kFileErrorCaption = "File Error!!!";
constexpr std::string_view kReadErrorCaption = "File Read Error!!!";

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

CompareOutcome Compare(const CompareRequest& request, const CompareSettings& settings,
                       ResultPanel& panel, const CompareTuning& tuning) {
    try {
        if (IsTextMode(settings.mode))
            return RunTextCompare(panel, request.path1, request.path2, settings, tuning);
        return RunBinaryCompare(panel, request.path1, request.path2, tuning);
    } catch (const std::exception&) {
        // Only the copies of the paths and the panel's own storage are left to run out of
        // memory here; the run stops as for an unreadable first file.
        return CompareOutcome::File1Failed;
    }
}

RunResult Unopened(Side side, const CFile& file) {
    return {RunOutcome::CheckFailed, side, file.FailureReason()};
}
} // namespace

RunResult RunComparison(const CompareRequest& request, const CompareSettings& settings,
                        ResultPanel& panel, RunHost& host, const CompareTuning& tuning) {
    if (!request.hasFile1) {
        host.ShowMessage("File1 を指定してください", kErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    if (!request.hasFile2) {
        host.ShowMessage("File2 を指定してください", kErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    if (request.path1 == request.path2) {
        host.ShowMessage("同じファイルです", kFileErrorCaption, MessageIcon::Information);
        return {RunOutcome::CheckFailed};
    }
    CFile file;
    if (!file.Open(request.path1)) {
        host.ShowMessage(request.name1, kReadErrorCaption, MessageIcon::Exclamation);
        return Unopened(Side::File1, file);
    }
    if (!file.Open(request.path2)) {
        host.ShowMessage(request.name2, kReadErrorCaption, MessageIcon::Exclamation);
        return Unopened(Side::File2, file);
    }
    file.Close();

    panel.ClearRows();
    panel.SetFileNames(request.name1, request.name2);
    CompareOutcome outcome;
    {
        WaitScope wait(host);
        outcome = Compare(request, settings, panel, tuning);
    }
    switch (outcome) {
    case CompareOutcome::Same:
        return {RunOutcome::Same};
    case CompareOutcome::Different:
        return {RunOutcome::Different};
    case CompareOutcome::Stopped:
        return {RunOutcome::Stopped};
    case CompareOutcome::File1Failed:
        host.ShowMessage(request.name1, kReadErrorCaption, MessageIcon::Exclamation);
        break;
    case CompareOutcome::File2Failed:
        host.ShowMessage(request.name2, kReadErrorCaption, MessageIcon::Exclamation);
        break;
    }
    return {RunOutcome::ReadFailed};
}
