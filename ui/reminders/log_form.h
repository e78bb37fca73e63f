// TLogForm: the "History File Viewer". The event history file, read-only in
// a fixed-pitch font and scrolled to its end, with copy, select all, a font
// of the user's choice (fixed-pitch fonts only), find and printing.
#pragma once

#include <QDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>

#include <string>
#include <vector>

#include "ui/app/app_context.h"
#include "ui/printing/printed_page.h"
#include "ui/widgets/find_dialog.h"

namespace orvanto {

inline constexpr const char* kHistoryNotDefined = "History file not defined.";
inline constexpr const char* kHistoryNotFound = "History file not found.";

// The history lines on pages: from one inch below the top and three quarters
// of an inch from the left, one line per height of "Ay"; a new page when the
// next line would begin within an inch of the bottom.
PrintedDocument LayoutHistory(const std::vector<std::string>& lines, const PrintFont& font,
                              const PageGeometry& geometry, const TextMeasure& measure);

class TLogForm : public QDialog {
    Q_OBJECT
public:
    TLogForm(AppContext& context, const std::string& historyPath, QWidget* parent = nullptr);
    ~TLogForm() override;

    // The main window's "&History file viewer": the file named by
    // "HistoryFile" of the settings file.
    static void Open(AppContext& context, QWidget* parent);
    // The settings dialog's "View": the file named in the dialog. An empty
    // name warns "History file not defined.", a missing file "History file
    // not found."; otherwise the viewer opens modally.
    static void Open(AppContext& context, QWidget* parent, const std::string& historyPath);

    QPlainTextEdit* Text() const { return text_; }
    // "&Find" (F3): the find dialog; its first search starts at the top.
    FindDialog* OpenFindDialog();
    // "&Find Next" of the find dialog.
    void FindNext(const QString& text, bool matchCase);
    void SetTextFont(const QFont& font);
    // The printed pages of the text in its font for a page.
    PrintedDocument PrintedText(const PageGeometry& geometry, const TextMeasure& measure) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void ChooseFont();
    void Print();

    AppContext& context_;
    QPlainTextEdit* text_;
    QMenuBar* menus_;
    QPointer<FindDialog> findDialog_;
    int searches_ = 0;    // searches since the dialog opened
    int searchFrom_ = 0;  // where the next search starts
};

}  // namespace orvanto
