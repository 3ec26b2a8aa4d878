#pragma once
#include <QString>

namespace iqx {

// Cuts the first field off `s` at the first `sep`: returns the text before
// it and removes it, separator included, from `s`. Without a separator the
// whole of `s` is the field and `s` becomes empty; an empty `s` yields an
// empty field. Used with ';' by the data file and the register, with ','
// by the number check.
QString takeField(QString &s, QChar sep);

} // namespace iqx
