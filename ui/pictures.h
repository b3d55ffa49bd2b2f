#pragma once

#include <QPixmap>
#include <string_view>

class QLabel;

namespace tessaro {
class WorkingDir;
}

namespace tessaro::ui {

// A picture file (.bmp, .jpg) of the working folder by its bare name, whatever the letter case of
// the file on disk. A missing or unreadable file gives an empty picture; it never stops a window.
QPixmap LoadPicture(const WorkingDir& dir, std::string_view name);

// Shows the picture in a picture box; an empty picture leaves the box empty.
void SetPicture(QLabel& box, const WorkingDir& dir, std::string_view name);

// Fills a panel's background with a picture scaled to cover it (an empty picture leaves the
// panel's plain colour). Called again when the panel changes its size.
void SetBackground(QWidget& panel, const QPixmap& picture);

}  // namespace tessaro::ui
