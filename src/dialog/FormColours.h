#pragma once

class QLineEdit;
class QWidget;

namespace marrowby {

// The look every window of the program shares: a medium-blue background, labels,
// frame captions and read-only or disabled edits in white on that blue; editable
// edits, lists and buttons keep the platform's own look.
void applyFormColours(QWidget *window);

// Switches an edit between editable and read-only, with the matching look.
void setEditReadOnly(QLineEdit *edit, bool readOnly);

} // namespace marrowby
