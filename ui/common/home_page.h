#pragma once
// Now and then, one start in a hundred, the maker's home page opens.

namespace jubilo {

// The number 1 to 100 drawn from a uniform r in [0, 1).
int homePageDraw(double r);

// Seeds the generator from the time of day, draws, and opens the home page
// when the draw is 7. A failure to open passes to the caller.
void maybeShowHomePage();

}  // namespace jubilo
