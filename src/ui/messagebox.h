#pragma once
#include "base/messages.h"

namespace iqx::ui {

// Messages as modal message boxes over the active window (else the main
// window): the application title and one "OK" button; the question with
// "&Yes" and "&No", which Esc or the title bar's close button dismisses.
// A box that is minimized comes straight back.
class MessageBoxSink : public MessageSink {
public:
    void inform(const QString &text) override;
    void error(const QString &text) override;
    Answer confirm(const QString &title, const QString &text) override;
};

} // namespace iqx::ui
