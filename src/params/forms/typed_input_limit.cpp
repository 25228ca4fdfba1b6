#include "params/forms/typed_input_limit.h"

#include <algorithm>

namespace params {
namespace {

qsizetype nonDigits(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c < u'0' || c > u'9'; });
}

}  // namespace

TypedInputLimit::TypedInputLimit(QLineEdit* edit, int maxLength, bool digitsOnly)
    : QValidator(edit), maxLength_(maxLength), digitsOnly_(digitsOnly), last_(edit->text())
{
    // Texts put there by the program count as the last text too.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
}

QValidator::State TypedInputLimit::validate(QString& input, int&) const
{
    if (digitsOnly_ && nonDigits(input) > nonDigits(last_))
        return Invalid;
    if (maxLength_ > 0 && input.size() > maxLength_ && input.size() > last_.size())
        return Invalid;
    last_ = input;
    return Acceptable;
}

}  // namespace params
