// TLogForm: the "History File Viewer".
#include "ui/reminders/log_form.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "ui/printing/print_painter.h"

namespace orvanto {

namespace {

constexpr QSize kStartSize(640, 420);
constexpr int kViewerPointSize = 8;
constexpr const char* kHistoryPrintTitle = "Orvanto History File";

// The fixed-pitch font standing in for the viewer's bitmap system font.
QFont ViewerFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(kViewerPointSize);
    return font;
}

PrintFont PrintFontOf(const QFont& font) {
    PrintFont print;
    print.face = PrintFace::CourierNew;
    print.family = font.family().toStdString();
    print.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : kViewerPointSize;
    print.bold = font.bold();
    print.italic = font.italic();
    return print;
}

}  // namespace

PrintedDocument LayoutHistory(const std::vector<std::string>& lines, const PrintFont& font,
                              const PageGeometry& geometry, const TextMeasure& measure) {
    PrintedDocument document;
    document.title = kHistoryPrintTitle;
    document.pages.emplace_back();
    const int inch = geometry.dotsPerInch;
    const int left = inch * 3 / 4;
    const int lineHeight = std::max(1, measure.Height("Ay", font));
    int y = inch;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && y >= geometry.height - inch && y > inch) {
            document.pages.emplace_back();
            y = inch;
        }
        document.pages.back().items.push_back(PrintText{left, y, lines[i], font, kPrintBlack, {}});
        y += lineHeight;
    }
    return document;
}

TLogForm::TLogForm(AppContext& context, const std::string& historyPath, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context),
      text_(new QPlainTextEdit(this)),
      menus_(new QMenuBar(this)) {
    setObjectName(QStringLiteral("TLogForm"));
    setWindowTitle(QStringLiteral("History File Viewer"));
    setSizeGripEnabled(true);
    resize(kStartSize);

    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFont(ViewerFont());
    text_->setCursorWidth(0);  // no caret in a read-only view
    QFile file(QString::fromStdString(historyPath));
    if (file.open(QIODevice::ReadOnly)) {
        QString content = QString::fromUtf8(file.readAll());
        content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (content.endsWith(QLatin1Char('\n'))) content.chop(1);
        text_->setPlainText(content);
    }
    text_->moveCursor(QTextCursor::End);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menus_);
    layout->addWidget(text_);
    BuildMenus();
}

void TLogForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The last lines in view, from the start of the line, once the text is
    // laid out at the window's size.
    QTimer::singleShot(0, this, [this] {
        text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
        text_->horizontalScrollBar()->setValue(0);
    });
}

TLogForm::~TLogForm() {
    if (findDialog_) findDialog_->close();
}

void TLogForm::BuildMenus() {
    menus_->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menus_->addMenu(QStringLiteral("&File"));
    QAction* print = file->addAction(QStringLiteral("&Print"), this, &TLogForm::Print);
    print->setObjectName(QStringLiteral("PrintItem"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::accept)
        ->setObjectName(QStringLiteral("ExitItem"));

    QMenu* edit = menus_->addMenu(QStringLiteral("&Edit"));
    QAction* copy = edit->addAction(QStringLiteral("&Copy"), text_, &QPlainTextEdit::copy);
    copy->setObjectName(QStringLiteral("CopyItem"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addAction(QStringLiteral("Select &All"), text_, &QPlainTextEdit::selectAll)
        ->setObjectName(QStringLiteral("SelectAllItem"));
    edit->addAction(QStringLiteral("Set &Font"), this, &TLogForm::ChooseFont)
        ->setObjectName(QStringLiteral("FontItem"));

    QMenu* search = menus_->addMenu(QStringLiteral("&Search"));
    QAction* find = search->addAction(QStringLiteral("&Find"), this, [this] { OpenFindDialog(); });
    find->setObjectName(QStringLiteral("FindItem"));
    find->setShortcut(QKeySequence(Qt::Key_F3));
    for (QAction* action : {print, copy, find}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

FindDialog* TLogForm::OpenFindDialog() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(findDialog_, &FindDialog::FindNext, this, &TLogForm::FindNext);
    }
    searches_ = 0;
    searchFrom_ = 0;
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
    return findDialog_;
}

void TLogForm::FindNext(const QString& text, bool matchCase) {
    const QString content = text_->toPlainText();
    const int at = content.indexOf(text, searchFrom_, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    const bool first = searches_++ == 0;
    if (at < 0) {
        const std::string quoted = "\"" + text.toStdString() + "\" in history file.";
        if (context_.prompt) {
            context_.prompt->ShowMessage(
                MessageKind::Error, kMessageTitle,
                first ? "Could not find " + quoted : "There are no further occurences of " + quoted);
        }
        return;
    }
    QTextCursor cursor(text_->document());
    cursor.setPosition(at);
    cursor.setPosition(at + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
    text_->ensureCursorVisible();
    searchFrom_ = at + static_cast<int>(text.size());
}

void TLogForm::SetTextFont(const QFont& font) { text_->setFont(font); }

void TLogForm::ChooseFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, text_->font(), this, QStringLiteral("Font"),
                                            QFontDialog::MonospacedFonts);
    if (chosen) SetTextFont(font);
}

PrintedDocument TLogForm::PrintedText(const PageGeometry& geometry, const TextMeasure& measure) const {
    std::vector<std::string> lines;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        lines.push_back(block.text().toStdString());
    }
    return LayoutHistory(lines, PrintFontOf(text_->font()), geometry, measure);
}

void TLogForm::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DeviceTextMeasure measure(&printer);
    const bool printed = PrintDocument(PrintedText(GeometryOf(printer), measure), printer);
    QApplication::restoreOverrideCursor();
    if (!printed && context_.prompt) {
        context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, "The printer could not be started.");
    }
}

void TLogForm::Open(AppContext& context, QWidget* parent) {
    const IniFile settings(context.settingsPath);
    Open(context, parent,
         ReadSettingText(settings, kSettingsSection, "HistoryFile", SettingsReader::MainWindow));
}

void TLogForm::Open(AppContext& context, QWidget* parent, const std::string& historyPath) {
    std::error_code error;
    if (historyPath.empty()) {
        if (context.prompt)
            context.prompt->ShowMessage(MessageKind::Warning, kMessageTitle, kHistoryNotDefined);
        return;
    }
    if (!std::filesystem::is_regular_file(historyPath, error)) {
        if (context.prompt)
            context.prompt->ShowMessage(MessageKind::Warning, kMessageTitle, kHistoryNotFound);
        return;
    }
    TLogForm form(context, historyPath, parent);
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

}  // namespace orvanto
