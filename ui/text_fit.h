#pragma once

class QLabel;

namespace tessaro::ui {

// Makes a label's text fit its rectangle: a text too long for it is drawn smaller, down to
// smallest times the label's own size (the size it had at the first call), never cut and never
// into the control beside it. A word-wrapping label may use its lines; any other keeps one line.
// Called again after the text changes, it starts from the label's own size.
void FitTextInto(QLabel& label, double smallest = 0.7);

}  // namespace tessaro::ui
