// Texts that a dialog's layout cuts. The dialog manager scales a template by its
// font's average character width, but a text's own width does not follow in
// proportion (hinting, the sizes a font has, a wider face than the one the
// template was laid out for), so a label that just fits in one font may lose
// its last letters, or its second line, in another, at any scale.
#pragma once

#include <windows.h>

// Gives every label, check box and radio button of the dialog whose text is
// cut the width it lacks, to its right, and keeps each such text a space clear
// of the control after it in its row: the controls after it in the row move
// along (and those laid out in a column with the first of them, to stay in
// line), its group box and then the dialog grow where the row needs more room.
// Where nothing is cut and nothing runs together, nothing moves.
void FitDialogTexts(HWND dialog, UINT dpiValue);
