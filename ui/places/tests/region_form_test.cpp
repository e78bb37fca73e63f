// "Select Region": its choices in region order, the first chosen at
// opening, and what each way of closing it answers.
#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "ui/places/region_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

class RegionFormTest : public ::testing::Test {
protected:
    RegionFormTest() { test::Application(); }
    // Runs the modal window; `act` closes it once it is up.
    std::optional<int> Choose(const std::function<void(TRegionForm&)>& act) {
        TRegionForm form(0);
        QTimer::singleShot(0, &form, [&] { act(form); });
        QTimer::singleShot(3000, &form, [&] { form.reject(); });  // never hang
        return form.Choose();
    }
};

TEST_F(RegionFormTest, SevenChoicesInRegionOrderTheFirstChosen) {
    TRegionForm form(2);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Select Region"));
    const char* const captions[] = {"&North America", "&Central America && Caribbean", "&South America",
                                    "E&urope",        "Asia && &Middle East",          "A&frica",
                                    "Oc&eania"};
    for (int region = 0; region < 7; ++region) {
        auto* choice = form.findChild<QRadioButton*>(QStringLiteral("RegionButton%1").arg(region));
        ASSERT_NE(choice, nullptr) << region;
        EXPECT_EQ(choice->text(), QString::fromLatin1(captions[region]));
        EXPECT_EQ(choice->isChecked(), region == 0);
    }
    EXPECT_EQ(form.ChosenRegion(), 0);
}

TEST_F(RegionFormTest, OkGivesTheChosenRegionEverythingElseNothing) {
    EXPECT_EQ(Choose([](TRegionForm& form) {
                  form.findChild<QRadioButton*>(QStringLiteral("RegionButton6"))->click();
                  form.findChild<QAbstractButton*>(QStringLiteral("OKBtn"))->click();
              }),
              6);
    EXPECT_EQ(Choose([](TRegionForm& form) {
                  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                  QApplication::sendEvent(&form, &enter);
              }),
              0);
    EXPECT_EQ(Choose([](TRegionForm& form) {
                  form.findChild<QAbstractButton*>(QStringLiteral("CancelBtn"))->click();
              }),
              std::nullopt);
    EXPECT_EQ(Choose([](TRegionForm& form) { form.Caption()->CloseButton()->click(); }), std::nullopt);
    EXPECT_EQ(Choose([](TRegionForm& form) {
                  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                  QApplication::sendEvent(&form, &escape);
              }),
              std::nullopt);
}

}  // namespace
}  // namespace orvanto
