#pragma once

#include <QString>

class QWidget;

namespace widgets {

// Gives every control of a window a name a screen reader can say: a button or
// check box is read by its own caption; a text box, list or grid that has none
// takes the caption of the label beside it (its buddy, the label to its left or
// above it in its layout), else the title of its frame, else the window's title.
// Names set by hand are kept. Run once on each screen after it is built.
void nameControlsForScreenReaders(QWidget* window);

// The name a screen reader says for a widget, as Qt's accessibility reports it.
QString accessibleNameOf(QWidget* widget);

// True for what a person operates with the keyboard: buttons, check boxes, text
// boxes, lists and grids, but not the parts that Qt builds inside them.
bool isControl(const QWidget* widget);

} // namespace widgets
