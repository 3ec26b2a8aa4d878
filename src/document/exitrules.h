#pragma once
#include "document/document.h"
#include "document/registry.h"

#include <QList>
#include <QString>
#include <optional>

// The checks that run when a position's box is left, as pure functions of
// the document: the main window applies their outcome to its boxes, and the
// whole-document check reports it. One copy of every rule.
namespace iqx {

struct ExitOutcome {
    struct Message {
        bool error = false; // the error box rather than a plain message
        QString text;
    };
    QList<Message> messages;               // shown in this order
    std::optional<QString> newText;        // the box's new text, if it changes
    bool accepted = true;                  // false: the focus goes back to the box
    bool turnsPage = false;                // the next page is shown afterwards
    std::optional<RegisterEntry> identity; // the register's names for positions 0, 2, 3, 4
};

// The check of position `n` on leaving its box, on the values of `doc`.
// `remembered` is the identifier an unrecognised one is replaced with.
ExitOutcome runExitCheck(int n, const Document &doc, const RegisterLookupFn &lookup, const QString &remembered = {});

// One finding of the whole-document check: "poz. 7: Maksymalna stawka to 0,66 zł".
struct Finding {
    int position = 0;
    QString message;
    QString text() const;
};

// Runs the check of every position that has one, in position order, as if
// the clerk had left each box once, and lists what it would say or refuse.
// An identifier the register does not know, whose gmina the register holds
// under a new identifier, is named with that gmina (newIdentifierOf).
QList<Finding> checkDocument(const Document &doc, const RegisterLookupFn &lookup);

} // namespace iqx
