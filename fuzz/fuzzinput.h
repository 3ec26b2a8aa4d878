#pragma once
// Turns a fuzzer's bytes into the values the entry points take.
#include <QString>
#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace iqx::fuzz {

// A string of up to `maxChars` characters: mostly Latin-1 so that digits,
// commas and separators come up often, sometimes UTF-16 for the rest.
inline QString text(FuzzedDataProvider &in, size_t maxChars = 64)
{
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) {
        const std::string raw = in.ConsumeRandomLengthString(maxChars * 2);
        return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2));
    }
    return QString::fromLatin1(in.ConsumeRandomLengthString(maxChars));
}

// Stops the run with a message when an invariant does not hold.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace iqx::fuzz
