#pragma once
#include "base/messages.h"

namespace iqx::ui {

// Messages as modal message boxes over the active window: the application
// title and one "OK" button; the question with "&Yes" and "&No".
class MessageBoxSink : public MessageSink {
public:
    void inform(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &title, const QString &text) override;
};

} // namespace iqx::ui
