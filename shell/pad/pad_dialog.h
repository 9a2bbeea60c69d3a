#pragma once
// A dialog answered from a gamepad, as the keyboard would answer it: the
// focus moves along the dialog's tab order, South presses what has the focus
// (or the default button), East is Escape. Knows nothing of which dialog.

class QWidget;

namespace PadDialog {

// Up and left go back, down and right go on; left and right move a slider's
// or a spin box's value instead, as the arrow keys do there.
void MoveFocus(QWidget* dialog, bool forward, bool sideways);
void Press(QWidget* dialog);
void Cancel(QWidget* dialog);

}  // namespace PadDialog
