// FindDialog: the program's find box: a search text, a "Match &case" option
// and "&Find Next", searching downwards only (no direction or whole-word
// choice). It stays open beside its window and announces each search.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace orvanto {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString Text() const { return edit_->text(); }
    bool MatchCase() const { return matchCase_->isChecked(); }
    QLineEdit* Edit() const { return edit_; }

signals:
    // "&Find Next" (or Enter) with a non-empty text.
    void FindNext(const QString& text, bool matchCase);

private:
    QLineEdit* edit_;
    QCheckBox* matchCase_;
    QPushButton* next_;
};

}  // namespace orvanto
