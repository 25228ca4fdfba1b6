#pragma once

// A dialog that loads its content each time it is shown and does not open
// when that fails: shown modelessly it closes again (Rejected) right after
// showing; through exec() it loads first and returns Rejected without
// showing at all.

#include <QDialog>

class QShowEvent;

namespace form_parts {

class TLoadingDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Loads before the form shows; a load that fails gives Rejected.
    int exec() override;

    // Loads the dialog's content; false (after telling the user why) when it
    // cannot be used.
    virtual bool FormShow() = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // exec() has loaded the content for the showing that follows.
    bool loadedForShow_ = false;
};

}  // namespace form_parts
