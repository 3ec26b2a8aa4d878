#pragma once
#include <QByteArrayView>
#include <QDate>
#include <QDir>
#include <QString>

// The per-user folder got a copy of the installed register at its first
// start and keeps it. When that copy is still, byte for byte, a register an
// earlier version of the program shipped, the office never changed it, and
// it is brought up to date with the installed one.
namespace iqx {

// Whether `bytes` are exactly a register an earlier version shipped.
bool isEarlierShippedRegister(QByteArrayView bytes);

struct RegisterUpgrade {
    bool replaced = false;
    QString keptAs;      // replaced: the name the old register is kept under in the folder
    qsizetype count = 0; // replaced: the municipalities of the new register
    QString error;       // it should have been replaced and could not be, and why
};

// Replaces `folder`'s GMINY.txt by the installed register `installed`
// (replaceRegister(), the old one kept beside it) when the folder's is an
// earlier shipped register and the installed one differs from it and is no
// such register itself. A register the office changed or imported, a
// read-only one, a link or anything but a regular file is left alone.
RegisterUpgrade upgradeShippedRegister(const QDir &folder, const QString &installed, const QDate &today);

} // namespace iqx
