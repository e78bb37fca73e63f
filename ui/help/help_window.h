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

private:
    QTextBrowser* browser_;
};

// Opens the program's help window (one for the whole program) at the topic
// and brings it to the front.
void ShowHelpTopic(const std::string& topic);
// Closes the help window if it is open (when the program ends).
void CloseHelpWindows();
// The help window, or nullptr when none has been opened.
HelpWindow* OpenHelpWindow();

}  // namespace orvanto
