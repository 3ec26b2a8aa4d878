#include "base/messages.h"

#include <cstdio>

namespace iqx {

namespace {
MessageSink *g_sink = nullptr;
} // namespace

MessageSink &messages()
{
    static StderrSink standardError;
    return g_sink ? *g_sink : standardError;
}

void setMessages(MessageSink *sink) { g_sink = sink; }

ScopedMessages::ScopedMessages(MessageSink *sink) : previous_(g_sink) { g_sink = sink; }
ScopedMessages::~ScopedMessages() { g_sink = previous_; }

void StderrSink::inform(const QString &text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }

void StderrSink::error(const QString &text) { std::fprintf(stderr, "error: %s\n", text.toLocal8Bit().constData()); }

Answer StderrSink::confirm(const QString &, const QString &text)
{
    // Nobody can answer here; what the question would decide stays open.
    std::fprintf(stderr, "%s (no answer)\n", text.toLocal8Bit().constData());
    return Answer::Dismissed;
}

QString fileErrorText(const QString &action, const QString &fileName, const QString &reason)
{
    return QStringLiteral("%1 \"%2\". %3").arg(action, fileName, reason);
}

} // namespace iqx
