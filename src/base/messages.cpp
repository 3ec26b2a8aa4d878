#include "base/messages.h"

#include <QDir>

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

QByteArray consoleBytes(const QString &text)
{
#if defined(Q_OS_WIN)
    return text.toUtf8();
#else
    return text.toLocal8Bit();
#endif
}

void StderrSink::inform(const QString &text) { std::fprintf(stderr, "%s\n", consoleBytes(text).constData()); }

void StderrSink::error(const QString &text) { std::fprintf(stderr, "error: %s\n", consoleBytes(text).constData()); }

Answer StderrSink::confirm(const QString &, const QString &text)
{
    // Nobody can answer here; what the question would decide stays open.
    std::fprintf(stderr, "%s (no answer)\n", consoleBytes(text).constData());
    return Answer::Dismissed;
}

QString fileErrorText(const QString &action, const QString &fileName, const QString &reason)
{
    // A path as the system writes it (backslashes on Windows).
    return QStringLiteral("%1 \"%2\". %3").arg(action, QDir::toNativeSeparators(fileName), reason);
}

} // namespace iqx
