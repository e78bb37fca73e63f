// "Import..." and "Export..." of the Events window: an iCalendar file's
// events join the working list and are saved with it; the list is written as
// an iCalendar file; a file that is no calendar is refused and changes nothing.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/scripted_prompt.h"
#include "ui/reminders/event_list_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

class EventListIcalTest : public ::testing::Test {
protected:
    EventListIcalTest() {
        test::Application();
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        context_.events = &events_;
        folder_.Ini().ReplaceSection(
            "Reminders", {{std::to_string(DayNumber(2005, 3, 10)) + "/0", "10000,0,9999,00000000,Dentist"}});
    }
    QString FilePath(const char* name) const { return files_.filePath(QString::fromLatin1(name)); }
    void WriteFile(const char* name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    test::SettingsFolder folder_;
    QTemporaryDir files_;
    FakeClock clock_{EncodeDate(2005, 3, 8) + EncodeTime(9, 0, 0)};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppEvents events_;
    AppContext context_;
};

TEST_F(EventListIcalTest, ImportedEventsJoinTheListAndAreSavedWithIt) {
    WriteFile("in.ics",
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20050401\r\n"
              "RRULE:FREQ=YEARLY\r\nSUMMARY:Spring party\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:2\r\n"
              "DTSTART;VALUE=DATE:20050310\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    TEditRem form(context_);
    ASSERT_TRUE(form.ImportCalendarFile(FilePath("in.ics")));
    ASSERT_EQ(form.Entries().size(), 2u);
    EXPECT_TRUE(form.Changed());
    // Nothing is written before the list is saved.
    EXPECT_EQ(folder_.Ini().ReadSectionPairs("Reminders").size(), 1u);
    const std::vector<std::string> texts = prompt_.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.back().find("Imported 1 of 2 events."), std::string::npos);
    EXPECT_NE(texts.back().find("Dentist: already present"), std::string::npos);

    form.PressOk();
    const auto stored = folder_.Ini().ReadSectionPairs("Reminders");
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].first, std::to_string(DayNumber(2005, 4, 1)) + "/0");
    EXPECT_EQ(stored[1].second, "11010,0,9999,00000000,Spring party");
}

TEST_F(EventListIcalTest, TheListIsExportedAsACalendar) {
    TEditRem form(context_);
    ASSERT_TRUE(form.ExportCalendarFile(FilePath("out.ics")));
    QFile file(FilePath("out.ics"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("SUMMARY:Dentist"));
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20050310"));
}

TEST_F(EventListIcalTest, AFileThatIsNoCalendarIsRefused) {
    WriteFile("bad.ics", "BEGIN:VCALENDAR\nBEGIN:VEVENT\n");
    TEditRem form(context_);
    EXPECT_FALSE(form.ImportCalendarFile(FilePath("bad.ics")));
    EXPECT_EQ(form.Entries().size(), 1u);
    EXPECT_FALSE(form.Changed());
    ASSERT_FALSE(prompt_.Texts().empty());
    EXPECT_EQ(prompt_.Texts().back(), "line 3: the file ends inside BEGIN:VEVENT");
    EXPECT_FALSE(form.ExportCalendarFile(QStringLiteral("/nonexistent-folder/out.ics")));
}

}  // namespace
}  // namespace orvanto
