#pragma once

#include "shell/message_box.h"

class QWidget;

namespace tessaro::ui {

// The program's message box on QMessageBox: modal over its parent window, with the icon and the
// buttons asked for, whose texts Qt gives in its current language; returns the button pressed
// (Escape or closing it counts as OK or No).
class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;

  private:
    QWidget* parent_;
};

// The busy mouse pointer over the whole program; nested calls balance.
class QtBusyPointer : public BusyPointer {
  public:
    ~QtBusyPointer() override;
    void SetBusy(bool busy) override;

  private:
    bool busy_ = false;
};

}  // namespace tessaro::ui
