#include "DropBox.h"

#include "CompareDlg.h"

#include <cassert>

void CDropBox::SetSide(std::int32_t side) {
    this->side = side;
}

void CDropBox::OnDropFiles(HDROP drop) {
    auto* dialog = dynamic_cast<CCompareDlg*>(GetParent());
    assert(dialog != nullptr && "a drop box lives in the main dialog");
    if (dialog != nullptr) {
        dialog->AddDroppedFiles(side, drop);
    }
    Default();
}
