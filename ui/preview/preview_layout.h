#pragma once
// Where everything sits on the preview window, and the elements the window
// keeps: filled while the layout is built, named after what they are.

#include "ui/common/form_layout.h"

namespace jubilo {

// Client area of the preview window, in twips.
inline constexpr int kPreviewWindowWidth = 9840;
inline constexpr int kPreviewWindowHeight = 9390;

struct PreviewWindowWidgets {
    QWidget* viewport = nullptr;  // clips the picture
    QScrollBar* verticalScrollBar = nullptr;
    QScrollBar* horizontalScrollBar = nullptr;
    QGroupBox* zoomFrame = nullptr;
    QPushButton* zoomInButton = nullptr;
    QPushButton* zoomOutButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* saveResultsButton = nullptr;
};

// Builds the preview window's elements under `window`.
PreviewWindowWidgets buildPreviewWindow(QWidget& window);

}  // namespace jubilo
