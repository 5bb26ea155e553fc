#pragma once
// Where the pages of a printout begin, decided on the laid-out lines alone (no Qt): the
// lines of a group (the lines of one question) go on one page together, and no line is
// ever cut by a page edge, unless one unit is taller than a whole page.

#include <vector>

namespace ui {

// One block (line) of a laid-out document.
struct PrintBlock {
    double top = 0;     // from the top of the document
    double bottom = 0;
    int group = 0;      // consecutive blocks of the same group > 0 stay together
    bool blank = false; // shows nothing: may run past the bottom of a page
};

// The offsets from the top of the document at which the pages begin; the first is 0.
// A group that does not fit on the rest of a page starts the next one; a group taller
// than a page (or a block taller than a page) is broken at its blocks (or at the page
// height). A page never begins with a blank block.
std::vector<double> pageTops(const std::vector<PrintBlock>& blocks, double pageHeight);

} // namespace ui
