#pragma once

#include <QLineEdit>
#include <QValidator>

namespace params {

// Limits what the user types into a line edit - a number of characters, and
// optionally digits only - without cutting or refusing a text the program
// itself puts there (a longer value read from a file stays as it is and can
// still be shortened), as the typing limit of an edit control does.
class TypedInputLimit : public QValidator {
public:
    TypedInputLimit(QLineEdit* edit, int maxLength, bool digitsOnly);
    State validate(QString& input, int& pos) const override;

private:
    int maxLength_;
    bool digitsOnly_;
    // The last text the edit held: an edit may not make it longer past the
    // limit or add characters that are not digits.
    mutable QString last_;
};

}  // namespace params
