#include "controls/dropdown/detail/auto_complete.h"

#include "controls/dropdown/base/dropdown_draw.h"

namespace dropdown {

std::optional<TCompletion> CompleteText(const QString& text, int caret, const QStringList& captions, bool matchCase)
{
    caret = std::clamp(caret, 0, int(text.size()));
    const QString typed = text.left(caret);
    const QString prefix = CaseText(text, matchCase).left(caret);
    if (!prefix.isEmpty()) {
        for (int i = 0; i < captions.size(); ++i) {
            if (!CaseText(captions[i], matchCase).startsWith(prefix)) continue;
            TCompletion c;
            c.Text = text.left(prefix.size()) + captions[i].mid(prefix.size(), kMaxCompletion);
            c.ItemIndex = i;
            c.Caret = int(prefix.size());
            return c;
        }
    }
    if (typed.isEmpty()) return std::nullopt;
    return TCompletion{typed, -1, int(typed.size())};
}

}  // namespace dropdown
