#pragma once

#include "Button.h"

#include <cstdint>

// A group box that hands files dropped on it to the main dialog, for the side it stands for.
class CDropBox : public CButton {
public:
    // Chooses the side (0: File1, 1: File2) that dropped files go to.
    void SetSide(std::int32_t side);

    void OnDropFiles(HDROP drop) override;

private:
    std::int32_t side = 0;
};
