#pragma once

// Which of the main window's two offer labels lies in front is drawn once per start.
namespace CoBrand {

// n, the whole number nearest to r * 6 + 1 with halves going to the even one.
int draw(double r);

enum class Front { CoBrand, FullBrand, Unchanged };
// 1, 3 and 5 bring the co-branding offer forward; 2, 4 and 6 the home-business offer.
Front frontFor(int n);

} // namespace CoBrand
