#pragma once

#include <memory>

class CWnd;
class Icon;
class QPainter;

// Painting on a window while it handles a paint request: begins on construction, ends on
// destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    // WM_ICONERASEBKGND: fills the area behind a minimised window's icon.
    void EraseIconBackground();
    void DrawIcon(int x, int y, const Icon& icon);

private:
    CWnd* window_;
    std::unique_ptr<QPainter> painter_;
};
