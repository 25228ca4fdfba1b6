#pragma once

// The texts of a printed page's header and footer: the six slots filled with
// time, date, page number and title, and the page number text with its
// numbering of column bands. Plain functions; the print pass draws them.

#include <array>

#include <QString>

namespace grid {
class TPrintSettings;
}

namespace grid::print {

// Slot texts by TPrintPosition (index 0, ppNone, stays empty).
struct TPageSlots {
    std::array<QString, 7> Slot;
    // The title lines joined, when they are mini-HTML and TitleText is empty.
    QString HTMLTitle;
};

// Fills the slots in the order time, date, page number, title; every part
// joins its slot with one blank (in front of a left slot, behind any other).
TPageSlots FillPageSlots(const TPrintSettings& s, const QString& time, const QString& date, const QString& pageNum,
                         bool titleIsHTML);

// The page number text before the grid's handler sees it. With several
// column bands: page-in-band "-" band; else the page number plus
// PageNumberOffset, then PageNumSep and the total plus MaxPagesOffset when
// there is a separator and more than one page (a total of INT_MAX, a
// printout that was not counted, shows no total).
QString PageNumberText(const TPrintSettings& s, bool moreBands, int pageInBand, int band, int page, int totalPages);

// The two texts joined by a blank; either alone when the other is empty.
QString JoinWithBlank(const QString& a, const QString& b);

}  // namespace grid::print
