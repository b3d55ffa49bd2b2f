#pragma once

#include <string>

namespace tessaro {

// What the project form asks of the window system around it. The window implements it; the
// headless calculator and the tests use the defaults or record the calls.
class FormHost {
  public:
    virtual ~FormHost() = default;
    // The busy mouse pointer while a load or a calculation runs.
    virtual void SetBusy(bool /*busy*/) {}
    // The main window's information line, which shows the focus hints of Q0, t0 and Tc.
    virtual void ShowInfoLine(const std::string& /*text*/) {}
    // Shows the help box modally.
    virtual void ShowHelpBox() {}
    // Shows the report viewer modally, after the report file has been written.
    virtual void ShowReportViewer() {}
    // Closes the form.
    virtual void CloseForm() {}
};

}  // namespace tessaro
