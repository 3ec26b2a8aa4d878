#pragma once
#include "base/messages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace iqx {

// Records every message in order, for a test to read; confirm() gives the
// answers queued in `answers` one by one, then Yes or No as `answer` says,
// or Dismissed when `dismiss` is set.
class RecordingSink : public MessageSink {
public:
    struct Entry {
        enum Kind { Inform, Error, Confirm } kind;
        QString title;
        QString text;
    };
    QList<Entry> entries;
    QList<Answer> answers;
    bool answer = true;
    bool dismiss = false;
    void inform(const QString &text) override { entries.append({Entry::Inform, kAppTitle, text}); }
    void error(const QString &text) override { entries.append({Entry::Error, kAppTitle, text}); }
    Answer confirm(const QString &title, const QString &text) override
    {
        entries.append({Entry::Confirm, title, text});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return dismiss ? Answer::Dismissed : answer ? Answer::Yes : Answer::No;
    }
    QStringList texts() const
    {
        QStringList t;
        for (const auto &e : entries)
            t << e.text;
        return t;
    }
    void clear() { entries.clear(); }
};

} // namespace iqx
