// BoxAnswerer: answers the program's real message boxes in a test. A timer
// looks for the active modal QMessageBox, records its icon, title, text and
// buttons, and presses the next button of the script (OK once the script is
// used up). It gives up after a few seconds, so no test can hang on a box.
#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

#include "ui/tests/ui_test_support.h"

namespace orvanto::test {

struct SeenBox {
    QMessageBox::Icon icon;
    std::string title;
    std::string text;
    std::vector<QMessageBox::StandardButton> buttons;
};

// Answers every message box that comes up with the next button of the
// script (OK once the script is used up), for at most a few seconds.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<QMessageBox::StandardButton> script = {}) : script_(std::move(script)) {
        Application();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    const std::vector<SeenBox>& Seen() const { return seen_; }

private:
    void Tick() {
        if (++ticks_ > kMaxTicks) {
            timer_.stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        SeenBox seen{box->icon(), box->windowTitle().toStdString(), box->text().toStdString(), {}};
        for (QAbstractButton* button : box->buttons()) seen.buttons.push_back(box->standardButton(button));
        seen_.push_back(seen);
        const QMessageBox::StandardButton answer =
            next_ < script_.size() ? script_[next_++] : QMessageBox::Ok;
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
    }

    static constexpr int kMaxTicks = 500;
    std::vector<QMessageBox::StandardButton> script_;
    std::size_t next_ = 0;
    std::vector<SeenBox> seen_;
    QTimer timer_;
    int ticks_ = 0;
};

}  // namespace orvanto::test
