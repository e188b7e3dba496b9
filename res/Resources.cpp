#include "res/Resources.h"

#include "res/MainIcon.h"
#include "res/ResourceTables.h"
#include "res/resource.h"

#include <algorithm>
#include <stdexcept>

const DialogTemplate& LoadDialogTemplate(int id) {
    for (const DialogTemplate* dialogTemplate :
         {&kAboutDialogTemplate, &kCompareDialogTemplate, &kSettingsDialogTemplate})
        if (dialogTemplate->id == id)
            return *dialogTemplate;
    throw std::out_of_range("no dialog template " + std::to_string(id));
}

std::string LoadResourceString(int id) {
    const auto entry = std::ranges::find(kStringTable, id, &StringResource::id);
    return entry == kStringTable.end() ? std::string() : std::string(entry->text);
}

const IconBitmap* LoadIconBitmap(int id) {
    return id == IDR_MAINFRAME ? &kMainIcon : nullptr;
}
