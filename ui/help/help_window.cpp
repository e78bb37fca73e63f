// HelpWindow: topic pages in a QTextBrowser.
#include "ui/help/help_window.h"

#include <algorithm>

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

// The pages are compiled into the program's static library; their resource
// table has to be registered by name (Q_INIT_RESOURCE works outside any
// namespace only).
static void RegisterHelpPages() { Q_INIT_RESOURCE(resources); }

namespace orvanto {

namespace {

void EnsureHelpPages() {
    static const bool registered = (RegisterHelpPages(), true);
    (void)registered;
}

constexpr const char* kMainPage = "index.htm";

QPointer<HelpWindow>& TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

QUrl HelpTopicUrl(const std::string& topic) {
    EnsureHelpPages();
    QString page = QString::fromStdString(topic).trimmed();
    const int afterPrefix = page.indexOf(QStringLiteral("::"));
    if (afterPrefix >= 0) page = page.mid(afterPrefix + 2);
    while (page.startsWith(QLatin1Char('/'))) page.remove(0, 1);
    if (page.isEmpty() || page.contains(QLatin1Char('/')) ||
        !QFile::exists(QStringLiteral(":/help/") + page)) {
        page = QString::fromLatin1(kMainPage);
    }
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Orvanto Help"));
    resize(640, 520);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({QStringLiteral(":/help")});

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kMainPage); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Orvanto Help")
                                       : QStringLiteral("Orvanto Help - ") + title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::ShowTopic(const std::string& topic) { browser_->setSource(HelpTopicUrl(topic)); }

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MakeModalToItsParent(QWidget& dialog) { dialog.setWindowModality(Qt::WindowModal); }

void ShowHelpTopic(const std::string& topic) {
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (window.isNull()) {
        // No parent: a dialog modal to the main window does not block it.
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Near the right edge of the screen, wholly on it: beside the centred
        // dialog it explains rather than where the window manager finds room.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const int x = std::max(area.left(), area.right() - window->width() - 24);
            const int y = std::max(area.top(), area.top() + (area.height() - window->height()) / 2);
            window->move(x, y);
        }
    }
    window->ShowTopic(topic);
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

void CloseHelpWindows() {
    if (QPointer<HelpWindow>& window = TheHelpWindow(); !window.isNull()) window->close();
}

HelpWindow* OpenHelpWindow() { return TheHelpWindow().data(); }

}  // namespace orvanto
