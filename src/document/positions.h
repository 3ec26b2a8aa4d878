#pragma once
#include <QList>
#include <QString>
#include <optional>

class QObject;
class QLineEdit;
class QCheckBox;

namespace iqx {

// A position's control is found by its object name: "Edit<n>" for a text
// position, "CheckBox<n>" for a flag position. No other list of positions
// exists.
QString editName(int n);
QString checkBoxName(int n);
QLineEdit *textPosition(const QObject *root, int n);
QCheckBox *flagPosition(const QObject *root, int n);

// The position number carried by a control's name, if it is a position.
std::optional<int> positionNumber(const QObject *control);

// One position's control: exactly one of the two is set.
struct PositionControl {
    int number = -1;
    QLineEdit *edit = nullptr;
    QCheckBox *check = nullptr;
};

// Every position control under `root`, in ascending number order, the text
// box before the check box of the same number.
QList<PositionControl> positionControls(const QObject *root);

} // namespace iqx
