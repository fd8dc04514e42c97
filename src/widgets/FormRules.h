#pragma once

class QWidget;

namespace widgets {

// Rules every form follows, applied once when it is set up, so that no control
// can be missed:
//  - each single-line text box keeps its value on one line (keepOnOneLine);
//  - each label shows its text as plain text: a value such as "<b>Carl</b>"
//    shows as typed, never as markup;
//  - Tab moves from control to control in the form's order, over a grid or
//    list as one stop (the arrow keys move within it).
void applyFormRules(QWidget* form);

} // namespace widgets
