#pragma once
// The form's layout is fixed, made for its English captions. A translated
// label caption wider than its label first takes the free room beside it
// on its row, then is drawn a little smaller, so the words stay whole and
// no input moves; an English caption is never changed.

class QLabel;
class QWidget;

namespace jubilo {

// Set by the form builder on a label whose caption came out translated.
inline constexpr char kTranslatedCaptionProperty[] = "jubiloTranslatedCaption";

// A translated caption is made no smaller than this share of its font.
inline constexpr double kSmallestCaptionScale = 0.8;

// When the caption of `label` is translated and wider than it: widens it
// into the room its row leaves free (no sibling is covered), then shrinks
// its font by steps of a quarter point until the caption fits or the font
// is at its smallest. Call once the label has its font and its siblings
// their places.
void fitTranslatedCaption(QLabel& label);

// The same for every label in `window`.
void fitTranslatedCaptions(QWidget& window);

}  // namespace jubilo
