#pragma once

// The options of the grid's HTML export (the grid's HTMLSettings).

#include <QList>
#include <QString>

namespace grid::io {

struct THTMLSettings {
    bool AutoPreview = false;          // open the written file with its program
    int BorderSize = 1;                // BORDER of the table
    int CellSpacing = 0;               // CELLSPACING
    int CellPadding = 0;               // CELLPADDING
    bool ConvertSpecialChars = false;  // accented letters of body cells as named entities
    bool ExportImages = true;          // cell pictures as JPEG files next to the document
    QString FooterFile;                // file whose lines follow the table
    QString HeaderFile;                // file whose lines precede the table
    bool NonBreakingText = false;      // every blank of a plain body cell as "&nbsp;"
    QString PrefixTag;                 // text right after the prolog, before the style block
    bool SaveColor = true;             // background and text colours
    bool SaveFonts = true;             // kept and copied; fonts are always written
    QString SuffixTag;                 // line after the table
    QString Summary;                   // SUMMARY of the table
    QString TableStyle;                // text inserted into the TABLE tag
    int Width = 100;                   // table width in percent
    bool XHTML = false;                // XHTML prolog and closing tag
    // Optional widths per exported column (WIDTH attributes).
    QList<int> ColWidths;

    // Copies every setting but ExportImages and ColWidths.
    void Assign(const THTMLSettings& source)
    {
        const bool exportImages = ExportImages;
        const QList<int> widths = ColWidths;
        *this = source;
        ExportImages = exportImages;
        ColWidths = widths;
    }
};

}  // namespace grid::io
