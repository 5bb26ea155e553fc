#pragma once
// Small helpers the parts of the question setup dialog share.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSizePolicy>
#include <QWidget>

namespace qor::setup {

// The space between the two columns of the dialog, and between the rows of each part in
// them, so that the parts read as one form.
constexpr int kRowSpacing = 16;

// The number in a field; `otherwise` when it holds none.
inline int numberIn(const QLineEdit* field, int otherwise) {
    bool ok = false;
    const int n = field->text().toInt(&ok);
    return ok ? n : otherwise;
}

// No button of an exclusive group chosen (the group is made non-exclusive for a moment).
inline void chooseNone(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

// A control shown and hidden by an option keeps its place, so that the dialog neither
// changes its size nor moves the rows beside it.
inline void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

} // namespace qor::setup
