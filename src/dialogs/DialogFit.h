// Texts that a dialog's layout cuts at a scale other than 100 %. The dialog
// manager scales a template by its font's average character width, but a text's
// own width does not follow in proportion (hinting, the sizes a font has), so a
// label that just fits at 100 % may lose its last letters at 150 or 200 %.
#pragma once

#include <windows.h>

// The pixels a label's, check box's or radio button's text lacks in the
// control's own font; 0 when it fits, or when the control is of another kind or
// more width would not help.
int LackingTextWidth(HWND control, UINT dpiValue);

// At a DPI other than 100 %, gives every label, check box and radio button of
// the dialog whose text is cut the width it lacks, to its right: as far as its
// row has room inside its group box or the dialog's margin, moving the controls
// after it in the row along. At 100 % the template is shown as drawn.
void FitDialogTexts(HWND dialog, UINT dpiValue);
