#pragma once

#include "platform/qt/Wnd.h"

// A static text, label or icon of a dialog.
class CStatic : public CWnd {};
