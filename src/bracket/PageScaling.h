#pragma once

class Page;

// Zooming the bracket view's page changes the items themselves, as the page's printout
// and hit testing must follow: every edge and every text size is scaled and rounded.
// The information panel then gets back the tops it was created at.
class PageScaling {
public:
    // Every item's left, top, right and bottom edges times m / d, each rounded to the
    // nearest pixel, and its text size times m / d rounded to the nearest point; pen
    // widths stay. A label sized by its text stays so.
    static void Scale(Page& page, int m, int d);

    // The resize rule: items whose names begin with "Info" or "Effectif" get back the top
    // they were created at (kept in their tag, plus 10000), and the rules banner goes
    // back to the top of the page. Their left edges and sizes stay.
    static void RestoreTops(Page& page);
};
