#include "ui/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tessaro::ui {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageBox::Show(const std::string& text, const std::string& title,
                                 MessageIcon icon, MessageButtons buttons) {
    // The program's texts break lines with CR LF; Qt wants a bare line feed.
    const QString body = QString::fromStdString(text).replace("\r\n", "\n");
    QMessageBox box(QtIcon(icon), QString::fromStdString(title), body, QMessageBox::NoButton,
                    parent_);
    box.setObjectName("MessageBox");
    // Qt's standard buttons, so that Qt's catalogue of the language gives their texts. Enter
    // answers the default button; Escape and the window frame answer No to a question and OK
    // to a message.
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QtBusyPointer::~QtBusyPointer() {
    SetBusy(false);
}

void QtBusyPointer::SetBusy(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace tessaro::ui
