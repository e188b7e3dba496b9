#pragma once

// Makes the font names of the dialog templates resolve to installed Japanese fonts: the
// fixed-pitch face to IPAGothic, the proportional one to IPAPGothic, else to any installed
// font that writes Japanese. Needs the application object; calling it again changes nothing.
void InstallTemplateFonts();
