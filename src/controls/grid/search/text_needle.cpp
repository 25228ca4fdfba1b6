#include "controls/grid/search/text_needle.h"

namespace grid::search {

namespace text_needle_detail {

inline char16_t Fold(char16_t c)
{
    if (c < 128) return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return QChar::toCaseFolded(c);
}

template <bool Folding> bool MatchesAt(const char16_t* h, const char16_t* n, qsizetype length)
{
    for (qsizetype k = 0; k < length; ++k)
        if ((Folding ? Fold(h[k]) : h[k]) != n[k]) return false;
    return true;
}

template <bool Folding> qsizetype IndexIn(QStringView text, qsizetype from, QStringView needle)
{
    if (from < 0) from = 0;
    if (needle.isEmpty()) return from <= text.size() ? from : -1;
    const char16_t first = needle.utf16()[0];
    const char16_t* h = text.utf16();
    const char16_t* n = needle.utf16();
    const qsizetype last = text.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i)
        if ((Folding ? Fold(h[i]) : h[i]) == first && MatchesAt<Folding>(h + i + 1, n + 1, needle.size() - 1))
            return i;
    return -1;
}

}  // namespace text_needle_detail

TTextNeedle::TTextNeedle(const QString& text, Qt::CaseSensitivity cs)
    : FText(text), FFolding(cs == Qt::CaseInsensitive)
{
    if (!FFolding) return;
    for (QChar& c : FText) c = QChar(text_needle_detail::Fold(c.unicode()));
}

qsizetype TTextNeedle::IndexIn(QStringView text, qsizetype from) const
{
    return FFolding ? text_needle_detail::IndexIn<true>(text, from, FText)
                    : text_needle_detail::IndexIn<false>(text, from, FText);
}

bool TTextNeedle::MatchesAt(QStringView text, qsizetype at) const
{
    if (at < 0 || text.size() - at < FText.size()) return false;
    const char16_t* h = text.utf16() + at;
    const auto* n = reinterpret_cast<const char16_t*>(FText.utf16());
    return FFolding ? text_needle_detail::MatchesAt<true>(h, n, FText.size())
                    : text_needle_detail::MatchesAt<false>(h, n, FText.size());
}

}  // namespace grid::search
