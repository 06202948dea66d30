#include "ErrorDialog.h"

#include "Text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace error_dialog {

std::string TextOf(const std::string& message)
{
    // In UTF-8 every byte of a character beyond ASCII is 0x80 or more, so the last byte
    // alone decides: a Cyrillic last letter gets the period like a Latin one.
    constexpr unsigned char kPeriod = '.';
    if (!message.empty() && static_cast<unsigned char>(message.back()) > kPeriod) {
        return message + ".";
    }
    return message;
}

void Show(const std::string& title, const std::string& text)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }

    QMessageBox box(QMessageBox::Critical, ToQt(title), ToQt(text), QMessageBox::Ok, active);
    box.setTextFormat(Qt::PlainText); // a message quoting "<b>" must show it, not render it
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();

    if (active) {
        active->activateWindow();
    }
    if (focused) {
        focused->setFocus(Qt::ActiveWindowFocusReason);
    }
}

} // namespace error_dialog
