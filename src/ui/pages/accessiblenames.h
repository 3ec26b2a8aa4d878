#pragma once

class QWidget;

namespace iqx::ui {

// Gives a position's box (Edit<n>, CheckBox<n>) the name and description a
// screen reader announces: its number and what it asks. Other widgets are
// left as they are.
void nameForScreenReaders(QWidget *w);

} // namespace iqx::ui
