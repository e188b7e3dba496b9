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

    // Fills the whole window with its background colour, so that an icon drawn on a minimised
    // window stands on a clean ground.
    void EraseIconBackground();
    // Draws the icon at its full size with its top left corner at (x, y) in window
    // coordinates; a null icon draws nothing.
    void DrawIcon(int x, int y, const Icon& icon);

private:
    CWnd* window_;
    std::unique_ptr<QPainter> painter_;
};
