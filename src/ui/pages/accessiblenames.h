#pragma once

class QWidget;

namespace iqx::ui {

// Gives the box of position `n` (Edit<n>, CheckBox<n>) the name and
// description a screen reader announces: its number and what it asks.
void nameForScreenReaders(QWidget *box, int n);

} // namespace iqx::ui
