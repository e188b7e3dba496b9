#include "ComparisonRun.h"

#include "BinaryCompare.h"
#include "CompareRequest.h"
#include "CompareSettings.h"
#include "File.h"
#include "ResultPanel.h"
#include "RunHost.h"
#include "TextCompare.h"

namespace {
constexpr std::string_view kErrorCaption = "Error!!!";
constexpr std::string_view kFileErrorCaption = "File Error!!!";
constexpr std::string_view kReadErrorCaption = "File Read Error!!!";

bool CanOpenForReading(const std::string& path) {
    CFile file;
    return file.Open(path);
}

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

CompareOutcome Compare(ResultPanel& panel, const CompareRequest& request) {
    if (IsTextMode(compareSettings.mode))
        return RunTextCompare(panel, request.path1, request.path2);
    return RunBinaryCompare(panel, request.path1, request.path2);
}
} // namespace

RunOutcome RunComparison(const CompareRequest& request, ResultPanel& panel, RunHost& host) {
    if (!request.hasFile1) {
        host.ShowMessage("File1 を指定してください", kErrorCaption, MessageIcon::Information);
        return RunOutcome::CheckFailed;
    }
    if (!request.hasFile2) {
        host.ShowMessage("File2 を指定してください", kErrorCaption, MessageIcon::Information);
        return RunOutcome::CheckFailed;
    }
    if (request.path1 == request.path2) {
        host.ShowMessage("同じファイルです", kFileErrorCaption, MessageIcon::Information);
        return RunOutcome::CheckFailed;
    }
    if (!CanOpenForReading(request.path1)) {
        host.ShowMessage(request.name1, kReadErrorCaption, MessageIcon::Exclamation);
        return RunOutcome::CheckFailed;
    }
    if (!CanOpenForReading(request.path2)) {
        host.ShowMessage(request.name2, kReadErrorCaption, MessageIcon::Exclamation);
        return RunOutcome::CheckFailed;
    }

    panel.ClearRows();
    panel.SetFileNames(request.name1, request.name2);
    CompareOutcome outcome;
    {
        WaitScope wait(host);
        outcome = Compare(panel, request);
    }
    switch (outcome) {
    case CompareOutcome::Same:
        return RunOutcome::Same;
    case CompareOutcome::Different:
        return RunOutcome::Different;
    case CompareOutcome::File1Failed:
        host.ShowMessage(request.name1, kReadErrorCaption, MessageIcon::Exclamation);
        break;
    case CompareOutcome::File2Failed:
        host.ShowMessage(request.name2, kReadErrorCaption, MessageIcon::Exclamation);
        break;
    }
    return RunOutcome::ReadFailed;
}
