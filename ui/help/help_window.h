// HelpWindow: the program's help, HTML topic pages shipped as resources
// (":/help/index.htm", ":/help/AddEvents.htm", ...) in a text browser with
// Back, Forward and Contents buttons.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include <string>

namespace orvanto {

// The resource page of a topic: "AddEvents.htm", "Orvanto.chm::/AddEvents.htm"
// and "/AddEvents.htm" all give "qrc:/help/AddEvents.htm"; an empty topic or
// one without a page gives the main page. (Registers the pages on first use.)
QUrl HelpTopicUrl(const std::string& topic);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowTopic(const std::string& topic);
    QTextBrowser* Browser() const { return browser_; }

protected:
    // Escape closes the window, as it closes every other window of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

// The help window is a top-level window of its own, the child of no other
// window, and every dialog of the program is modal to the window it was
// opened from (Qt::WindowModal), never to the whole program: so help can be
// read, scrolled and followed while any dialog is open. Every dialog calls
// this in its constructor, before it is shown or run with exec().
void MakeModalToItsParent(QWidget& dialog);

// Opens the program's help window (one for the whole program) at the topic
// and brings it to the front, out of the task bar when it was minimized.
void ShowHelpTopic(const std::string& topic);
// Closes the help window if it is open (when the program ends).
void CloseHelpWindows();
// The help window, or nullptr when none has been opened.
HelpWindow* OpenHelpWindow();

}  // namespace orvanto
