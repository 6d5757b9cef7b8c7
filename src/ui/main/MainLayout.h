// The main window's controls, made from one layout table: group boxes,
// labels, masked and plain fields, check boxes and the three buttons, each
// with its object name, caption, place and font, and the Tab order.
// The window finds the controls it uses by their object names.
#pragma once

class QWidget;

namespace sp {

// The fields' part of the main window: the older panel on top, the numbers'
// panel below it; a preview, when shown, lies to the right.
constexpr int FieldsPanelWidth = 488;
constexpr int OlderPanelHeight = 298;
constexpr int MainFormHeight = 446;

// Creates every control of the main window inside `form` (FieldsPanelWidth
// x MainFormHeight) and sets their Tab order.
void BuildMainLayout(QWidget* form);

}  // namespace sp
