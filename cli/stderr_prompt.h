// The prompt of a command run without a screen: message boxes go to standard
// error, questions are answered yes, reminder popups keep what they show.
#pragma once

#include <cstdio>
#include <string>

#include "core/prompt.h"

namespace orvanto::cli {

class StderrPrompt : public Prompt {
public:
    void ShowMessage(MessageKind, const std::string&, const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override {
        ShowMessage(kind, title, text);
        return true;
    }
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
        return {request.keepChecked, 0};
    }
};

}  // namespace orvanto::cli
