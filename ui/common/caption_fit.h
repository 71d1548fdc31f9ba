#pragma once
// The form's layout is fixed, made for its English captions. A translated
// label caption wider than its label is drawn a little smaller, so the
// words stay whole without moving anything; an English caption is never
// changed.

class QLabel;
class QWidget;

namespace jubilo {

// Set by the form builder on a label whose caption came out translated.
inline constexpr char kTranslatedCaptionProperty[] = "jubiloTranslatedCaption";

// A translated caption is made no smaller than this share of its font.
inline constexpr double kSmallestCaptionScale = 0.8;

// Shrinks the font of `label`, when its caption is translated and wider
// than it, by steps of a quarter point until the caption fits or the font
// is at its smallest. Call once the label has its font.
void fitTranslatedCaption(QLabel& label);

// The same for every label in `window`.
void fitTranslatedCaptions(QWidget& window);

}  // namespace jubilo
