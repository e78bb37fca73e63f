// FindDialog: search text, match case and "&Find Next".
#include "ui/widgets/find_dialog.h"

#include <QGridLayout>
#include <QLabel>

namespace orvanto {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool),
      edit_(new QLineEdit(this)),
      matchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      next_(new QPushButton(QStringLiteral("&Find Next"), this)) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    edit_->setObjectName(QStringLiteral("FindEdit"));
    matchCase_->setObjectName(QStringLiteral("MatchCaseBox"));
    next_->setObjectName(QStringLiteral("FindNextButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("FindCancelButton"));
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    label->setBuddy(edit_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(edit_, 0, 1);
    grid->addWidget(next_, 0, 2);
    grid->addWidget(matchCase_, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2);
    edit_->setMinimumWidth(200);

    next_->setDefault(true);
    next_->setEnabled(false);
    connect(edit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { next_->setEnabled(!text.isEmpty()); });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (!edit_->text().isEmpty()) emit FindNext(edit_->text(), matchCase_->isChecked());
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

}  // namespace orvanto
