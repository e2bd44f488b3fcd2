#include "errorbox.h"

#include "platform/codepage.h"
#include "platform/trace.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QWidget* owner()
{
    return QApplication::activeWindow();
}
}  // namespace

void showerror(const std::string& utf8text)
{
    trace::error(utf8text);
    QMessageBox::critical(owner(), QApplication::applicationName(), QString::fromStdString(utf8text));
}

void showmessage(const std::string& cp1250text)
{
    const std::string utf8 = codepage::toutf8(cp1250text);
    trace::message(utf8);
    QMessageBox::information(owner(), QApplication::applicationName(), QString::fromStdString(utf8));
}
