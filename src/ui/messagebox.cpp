#include "ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace iqx::ui {

namespace {

void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

void MessageBoxSink::inform(const QString &text) { showBox(QMessageBox::NoIcon, text); }

void MessageBoxSink::error(const QString &text) { showBox(QMessageBox::Critical, text); }

bool MessageBoxSink::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace iqx::ui
