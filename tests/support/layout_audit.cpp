#include "support/layout_audit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

namespace tessaro::test {

namespace {

// The controls a user reads or works: labels, boxes, lists, buttons. Frames and panels only hold
// them, and the lines of a drawing may cross them by design.
bool IsControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) != nullptr ||
           qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QTextEdit*>(w) != nullptr;
}

// Whether w is a control inside another control (a button's caption label, a list's own box).
bool InsideAControl(const QWidget* w, const QWidget& window) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != &window; p = p->parentWidget())
        if (IsControl(p) || qobject_cast<const QScrollBar*>(p) != nullptr)
            return true;
    return false;
}

std::string Name(const QWidget* w) {
    const QString name = w->objectName();
    return (name.isEmpty() ? QString(w->metaObject()->className()) : name).toStdString();
}

// The rectangle the widget shows within: its window, or the scrolled inside of the scroll area
// it is in.
QRect Room(const QWidget* w, const QWidget& window) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != &window;
         p = p->parentWidget()) {
        if (const auto* area = qobject_cast<const QScrollArea*>(p); area && area->widget())
            return QRect(area->widget()->mapTo(&window, QPoint(0, 0)), area->widget()->size());
    }
    return window.rect();
}

// Whether the widget or one of its containers lets the mouse through: a floating help, drawn over
// the controls by design.
bool Floating(const QWidget* w, const QWidget& window) {
    for (const QWidget* p = w; p != nullptr && p != &window; p = p->parentWidget())
        if (p->testAttribute(Qt::WA_TransparentForMouseEvents))
            return true;
    return false;
}

// A label that shows a picture (controls may lie on it), or neither text nor picture (a coloured
// band or an empty frame).
bool Picture(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label != nullptr && !label->pixmap().isNull();
}
bool Decoration(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label != nullptr && label->text().isEmpty() && !Picture(w);
}

QRect InWindow(const QWidget* w, const QWidget& window) {
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

// The room the label's text needs: one line, or the wrapped lines for the label's width.
bool TextFits(const QLabel& label) {
    const QString text = label.text();
    if (text.isEmpty() || label.textFormat() == Qt::RichText || !label.pixmap().isNull())
        return true;
    const QRect inside = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (label.wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap, text);
        return needed.width() <= inside.width() && needed.height() <= inside.height();
    }
    const QRect needed = metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    return metrics.horizontalAdvance(text) <= inside.width() && needed.height() <= inside.height();
}

}  // namespace

std::vector<std::string> AuditLayout(const QWidget& window) {
    std::vector<std::string> findings;
    std::vector<const QWidget*> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !IsControl(w) || InsideAControl(w, window) ||
            w->size().isEmpty() || Floating(w, window) || Decoration(w))
            continue;
        // Controls lie on a picture by design; the picture itself must show within the window.
        if (!Picture(w))
            controls.push_back(w);
        if (!Room(w, window).contains(InWindow(w, window)))
            findings.push_back(Name(w) + " lies outside the window");
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !TextFits(*label)) {
            findings.push_back(Name(w) + ": its text \"" + label->text().toStdString() +
                               "\" is cut");
        }
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const QWidget* a = controls[i];
            const QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            if (InWindow(a, window).intersects(InWindow(b, window)))
                findings.push_back(Name(a) + " overlaps " + Name(b));
        }
    }
    return findings;
}

}  // namespace tessaro::test
