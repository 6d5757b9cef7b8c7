// The main window's controls, made from one layout table: group boxes,
// labels, masked and plain fields, check boxes and the three buttons, each
// with its object name, caption, place and font, and the Tab order.
// The window finds the controls it uses by their object names.
#pragma once

class QWidget;

namespace sp {

// The main window's height: the older panel (298) and the numbers' panel
// with the print button below the numbers.
constexpr int MainFormHeight = 446;

// Creates every control of the main window inside `form` (488 x
// MainFormHeight) and sets their Tab order.
void BuildMainLayout(QWidget* form);

}  // namespace sp
