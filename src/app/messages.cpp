#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace iqx {

namespace {
MessageSink *g_sink = nullptr;

QWidget *dialogParent()
{
    QWidget *w = QApplication::activeWindow();
    return w ? w : nullptr;
}
} // namespace

MessageSink &messages()
{
    static MessageBoxSink boxes;
    return g_sink ? *g_sink : boxes;
}

void setMessages(MessageSink *sink) { g_sink = sink; }

ScopedMessages::ScopedMessages(MessageSink *sink) : previous_(g_sink) { g_sink = sink; }
ScopedMessages::~ScopedMessages() { g_sink = previous_; }

void MessageBoxSink::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

void MessageBoxSink::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool MessageBoxSink::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, dialogParent());
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void StderrSink::inform(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void StderrSink::error(const QString &text)
{
    std::fprintf(stderr, "error: %s\n", text.toLocal8Bit().constData());
}

bool StderrSink::confirm(const QString &, const QString &text)
{
    std::fprintf(stderr, "%s (no)\n", text.toLocal8Bit().constData());
    return false;
}

QString fileErrorText(const QString &action, const QString &fileName, const QString &reason)
{
    return QStringLiteral("%1 \"%2\". %3").arg(action, fileName, reason);
}

} // namespace iqx
