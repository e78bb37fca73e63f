#include "reminders/reminder_popup.h"

#include <filesystem>
#include <system_error>

#include "reminders/descriptions.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

void PlayAlarmSound(const std::string& waveFile, ReminderServices& services) {
    std::error_code error;
    if (!waveFile.empty() && std::filesystem::is_regular_file(waveFile, error)) {
        for (int attempt = 0; attempt < kSoundFileAttempts; ++attempt) {
            if (attempt > 0 && services.wait) services.wait(kSoundFileRetryMs);
            if (services.sound.PlayFile(waveFile)) return;
        }
    }
    services.sound.Beep();
}

}  // namespace

std::string AdvanceWarningLine(int days) {
    return "Just " + std::to_string(days) + (days == 1 ? " day" : " days") + " for";
}

const char* AdvanceKeepCaption(const ReminderRecord& record) {
    return record.Repeats() ? kRescheduleNowCaption : kEraseNowCaption;
}

std::string CaptionLabel(const ReminderRecord& record, bool lastTime) {
    std::string label = ShortDescription(record);
    if (lastTime) label += kLastTimeSuffix;
    return label;
}

bool IsNarrowText(const std::string& text, int points, bool bold, ReminderServices& services) {
    if (services.look.narrowerThanTwoMemoWidths)
        return services.look.narrowerThanTwoMemoWidths(text, points, bold);
    if (const std::optional<bool> narrow = services.prompt.PopupTextIsNarrow(text, points, bold))
        return *narrow;
    return CharacterCount(text) <= kNarrowTextCharacters;
}

ReminderPopupRequest PopupRequest(const ReminderRecord& record, bool lastTime, std::string memoText,
                                  int points, bool bold) {
    ReminderPopupRequest request;
    request.captionLabel = CaptionLabel(record, lastTime);
    request.description = ShortDescription(record);
    request.memoText = std::move(memoText);
    request.fontSize = points;
    request.fontBold = bold;
    request.keepCaption = kKeepReminderCaption;
    request.keepChecked = false;
    request.keepEnabled = true;
    return request;
}

ReminderPopupAnswer ShowReminderPopup(const ReminderPopupRequest& request, const std::string& waveFile,
                                      ReminderServices& services) {
    PlayAlarmSound(waveFile, services);
    return services.prompt.Popup(request);
}

}  // namespace orvanto
