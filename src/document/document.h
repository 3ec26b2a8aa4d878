#pragma once
#include "document/positions.h"

#include <QString>
#include <QStringList>
#include <array>
#include <bitset>

// How data flows: a Document holds the 223 values of one document. The data
// file is read into a Document and written from one (storage/), the print
// run fills the printed pages' slots from one (print/), and the main window
// shows one in its boxes and collects one from them (app/). Nothing but the
// window's boxes and this value holds a position's value.
namespace iqx {

class Document {
public:
    // The text of a text position as typed ("0,66"); empty for a flag.
    const QString &text(int n) const { return texts_[n]; }
    void setText(int n, const QString &text) { texts_[n] = text; }
    // Whether a flag position is ticked; false for a text position.
    bool isChecked(int n) const { return checked_[n]; }
    void setChecked(int n, bool checked) { checked_[n] = checked; }

    // A position's value as one text: the text, or "1"/"0" for a flag.
    QString value(int n) const;
    // The value as printed: the text, or "TAK"/"NIE" for a flag.
    QString printedValue(int n) const;

    // The identity block.
    const QString &identifier() const { return texts_[kIdentifierPosition]; }

    // True when nothing is typed and nothing ticked.
    bool isEmpty() const;

    friend bool operator==(const Document &a, const Document &b)
    {
        return a.texts_ == b.texts_ && a.checked_ == b.checked_;
    }

private:
    std::array<QString, kPositionCount> texts_;
    std::bitset<kPositionCount> checked_;
};

// Text positions whose value is longer than typing could enter into its box
// (an identifier of more than 7 characters read from a file).
QList<int> overlongPositions(const Document &doc);

} // namespace iqx
