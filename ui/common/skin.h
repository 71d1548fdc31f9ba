#pragma once
// The optional skin of the main window: a Qt style sheet in "x/o.cjs"
// beside the program. Without that file the window keeps its own colours.

#include <QColor>
#include <QString>

class QWidget;

namespace jubilo {

// Stands in for a skinning component: it loads a skin description and
// restyles a window with it.
class SkinFramework {
public:
    // Option bits.
    static constexpr int kApplyMetrics = 1;  // keep the window's designed size

    // Reads the style sheet; throws when the file cannot be read or is not
    // valid UTF-8 text. `ini` names a section of multi-skin files (unused).
    void loadSkin(const QString& path, const QString& ini);

    int applyOptions() const { return applyOptions_; }
    void setApplyOptions(int options) { applyOptions_ = options; }

    // When off, applyWindow does nothing.
    void setEnabled(bool on) { enabled_ = on; }
    // When on, the window repaints as soon as the skin is applied.
    void setRepaintOnApply(bool on) { repaintOnApply_ = on; }

    // Throws when no skin has been loaded.
    void applyWindow(QWidget& window);

    bool isLoaded() const { return loaded_; }

private:
    QString styleSheet_;
    bool loaded_ = false;
    int applyOptions_ = 0;
    bool enabled_ = false;
    bool repaintOnApply_ = false;
};

// Elements that take the button-face colour are tagged by kind: option
// buttons, check boxes, frames and labels by class, picture boxes (the tab
// pages) by this property set to true.
inline constexpr char kPictureBoxProperty[] = "jubiloPictureBox";

QString skinPath(const QString& programFolder);
QColor buttonFaceColour();

// Skins `window` when the skin file exists beside the program.
void applySkin(QWidget& window, SkinFramework& skin);

// Gives the window, its option buttons, check boxes, frames and labels the
// button-face colour.
void useButtonFaceColours(QWidget& window);

}  // namespace jubilo
