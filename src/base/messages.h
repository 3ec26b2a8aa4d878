#pragma once
#include <QString>

// Every message to the user goes through one small interface, so that the
// layers below the window (storage, printing, the report engine) can report
// without knowing how: the program shows a message box (ui/messagebox.h),
// the tests record (tests/support/recordingsink.h), and the command line
// writes to standard error.
namespace iqx {

inline constexpr const char *kAppTitle = "Informacja QX";

// The answer to a question. Dismissed: the box was closed with Esc or its
// title-bar button, so the clerk chose neither Yes nor No.
enum class Answer { Yes, No, Dismissed };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Plain message: application title, one "OK" button.
    virtual void inform(const QString &text) = 0;
    // Error box for file and conversion errors.
    virtual void error(const QString &text) = 0;
    // Question titled `title` with "&Yes" and "&No".
    virtual Answer confirm(const QString &title, const QString &text) = 0;
};

// The sink in use: standard error unless one is installed.
MessageSink &messages();
// Installs `sink` (not owned); nullptr restores standard error.
void setMessages(MessageSink *sink);

// Text for standard output and standard error: in the locale's encoding,
// and in UTF-8 on Windows, whose console the program sets to UTF-8 (the
// ANSI code page would lose letters that it lacks).
QByteArray consoleBytes(const QString &text);

class StderrSink : public MessageSink {
public:
    void inform(const QString &text) override;
    void error(const QString &text) override;
    Answer confirm(const QString &title, const QString &text) override; // nobody answers: Dismissed
};

// Installs a sink for the lifetime of the guard (tests).
class ScopedMessages {
public:
    explicit ScopedMessages(MessageSink *sink);
    ~ScopedMessages();

private:
    MessageSink *previous_;
};

// Error-box text for a file operation: names the file and the reason.
QString fileErrorText(const QString &action, const QString &fileName, const QString &reason);

} // namespace iqx
