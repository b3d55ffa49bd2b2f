#pragma once

#include <string>
#include <vector>

class QWidget;

namespace tessaro::test {

// What a user would find wrong in a window as it stands: a visible control outside the window
// (or outside the part of a scrolled window it belongs to), two visible controls overlapping
// (a control and what lies inside it, panels and the lines of a drawing excepted), and a label
// whose text is wider or taller than its rectangle by the metrics of its own font. One line per
// finding, naming the controls by object name; empty when the window is sound.
std::vector<std::string> AuditLayout(const QWidget& window);

}  // namespace tessaro::test
