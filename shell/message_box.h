#pragma once

#include <string>

namespace tessaro {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The modal message box of the platform. The windows show a real one; tests and the headless
// calculator record the texts.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// The busy mouse pointer (or any busy indication) while a long step runs.
class BusyPointer {
  public:
    virtual ~BusyPointer() = default;
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace tessaro
