#pragma once

// Lets assistive technology know the templates' radio buttons as radio buttons: they leave the
// unchecking of the others to the dialog, and Qt takes such a button for a check box. Call it
// before the first one is made; later calls change nothing.
void AnnounceTemplateRadioButtons();
