// The city distance calculator driven by objectName: the sides at opening,
// region and place changes, the distances of the edge cases, each refusal
// with its focus, units and altitude, Add city through the real region
// chooser into a temporary program folder, and hostile city files.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "places/personal_city_file.h"
#include "ui/places/distance_form.h"
#include "ui/places/region_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using ::testing::ElementsAre;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream whole;
    whole << in.rdbuf();
    return whole.str();
}

// Answers the "Select Region" window when it comes up: records what it
// showed, then picks a region and presses "&OK" (or "C&ancel" for none).
class RegionAnswerer {
public:
    explicit RegionAnswerer(std::optional<int> region) : region_(region) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    int opened = 0;
    bool firstChosenAtOpening = false;
    QString title;

private:
    void Tick() {
        if (++ticks_ > 500) timer_.stop();
        auto* form = qobject_cast<TRegionForm*>(QApplication::activeModalWidget());
        if (!form) return;
        ++opened;
        title = form->windowTitle();
        firstChosenAtOpening = form->findChild<QRadioButton*>(QStringLiteral("RegionButton0"))->isChecked();
        if (region_) {
            form->findChild<QRadioButton*>(QStringLiteral("RegionButton%1").arg(*region_))->click();
            form->findChild<QAbstractButton*>(QStringLiteral("OKBtn"))->click();
        } else {
            form->findChild<QAbstractButton*>(QStringLiteral("CancelBtn"))->click();
        }
    }
    std::optional<int> region_;
    QTimer timer_;
    int ticks_ = 0;
};

class DistanceFormTest : public ::testing::Test {
protected:
    DistanceFormTest() {
        test::Application();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
    }
    ~DistanceFormTest() override { QLocale::setDefault(QLocale::c()); }

    void Home(int region, int city) {
        IniFile ini(folder_.Path());
        ini.WriteInteger("Location", "RegionIndex", region);
        ini.WriteInteger("Location", "CityIndex", city);
    }
    std::string CityFile() const { return folder_.Folder() + "/" + kPersonalCityFileName; }

    TDist1& Open() {
        form_ = std::make_unique<TDist1>(context_);
        form_->show();
        return *form_;
    }
    template <typename T = QWidget>
    T* Get(const char* name) const {
        T* child = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Text(const char* name) const {
        if (auto* edit = form_->findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
        if (auto* label = form_->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
        return Get<QComboBox>(name)->currentText();
    }
    void Type(const char* name, const QString& text) { Get<QLineEdit>(name)->setText(text); }
    void Click(const char* name) { Get<QAbstractButton>(name)->click(); }
    void Key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
    QString FocusName() const {
        return form_->focusWidget() ? form_->focusWidget()->objectName() : QString();
    }

    // Both sides typed in: From at 0 deg 1 min E on the equator, To at
    // 179 deg 59 min W (the equator's antipodes).
    void TypeAntipodes() {
        Get<QComboBox>("ComboBox1")->setCurrentIndex(7);
        Get<QComboBox>("ComboBox3")->setCurrentIndex(7);
        Get<QComboBox>("ComboBox2")->setEditText(QStringLiteral("East, Equator"));
        Get<QComboBox>("ComboBox4")->setEditText(QStringLiteral("West, Equator"));
        const std::pair<const char*, const char*> fields[] = {
            {"Edit1", "0"}, {"Edit3", "0"}, {"Edit2", "0"},   {"Edit4", "1"},
            {"Edit5", "0"}, {"Edit7", "0"}, {"Edit6", "179"}, {"Edit8", "59"}};
        for (const auto& [name, value] : fields) Type(name, QString::fromLatin1(value));
        Click("RadioButton1");  // N
        Click("RadioButton4");  // E
        Click("RadioButton5");  // N
        Click("RadioButton7");  // W
    }

    test::SettingsFolder folder_;
    FakeClock clock_{46367.5};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppContext context_;
    std::unique_ptr<TDist1> form_;
};

TEST_F(DistanceFormTest, OpensAtTheHomeAndAtNorthAmericasFirstPlace) {
    Home(3, 0);
    TDist1& form = Open();
    EXPECT_EQ(form.size(), QSize(583, 373));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Orvanto City Distance Calculator"));
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("City Distance Calculator"));
    EXPECT_EQ(Get<QComboBox>("ComboBox1")->count(), 8);
    EXPECT_EQ(Get<QComboBox>("ComboBox1")->itemText(7), QStringLiteral("Custom"));
    EXPECT_EQ(Text("ComboBox1"), QStringLiteral("Europe"));
    EXPECT_EQ(Text("ComboBox2"), QStringLiteral("Aalborg, Denmark"));
    EXPECT_EQ(Text("ComboBox3"), QStringLiteral("North America"));
    EXPECT_EQ(Text("ComboBox4"), QStringLiteral("Abbotsford, BC"));
    EXPECT_EQ(Get<QComboBox>("ComboBox4")->count(), 1565);
    // Abbotsford, BC at 49.0300, -122.3200 shows as 49 deg 2 min N, 122 deg 19 min W.
    EXPECT_EQ(Text("Edit5"), QStringLiteral("49"));
    EXPECT_EQ(Text("Edit7"), QStringLiteral("2"));
    EXPECT_TRUE(Get<QRadioButton>("RadioButton5")->isChecked());
    EXPECT_EQ(Text("Edit6"), QStringLiteral("122"));
    EXPECT_EQ(Text("Edit8"), QStringLiteral("19"));
    EXPECT_TRUE(Get<QRadioButton>("RadioButton7")->isChecked());
    // A library place: display only, "Add city" off with its hint.
    for (const char* name :
         {"Edit1", "Edit2", "Edit3", "Edit4", "RadioButton1", "RadioButton4", "SelButton1"})
        EXPECT_FALSE(Get(name)->isEnabled()) << name;
    EXPECT_EQ(Get("SelButton2")->toolTip(), QStringLiteral("Select Custom region to enable this button"));
    // Units by the home region: Europe is metric.
    EXPECT_TRUE(Get<QRadioButton>("RadioButton10")->isChecked());
    EXPECT_EQ(Text("Label13"), QStringLiteral("meters"));
    EXPECT_EQ(Text("Edit9"), QStringLiteral("0"));
    EXPECT_EQ(Text("Label14"), QString());
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(DistanceFormTest, NorthAmericaAsHomeOpensInEnglishUnits) {
    Home(0, 0);
    Open();
    EXPECT_TRUE(Get<QRadioButton>("RadioButton9")->isChecked());
    EXPECT_EQ(Text("Label13"), QStringLiteral("feet"));
}

TEST_F(DistanceFormTest, AbbotsfordToZanesvilleInBothUnits) {
    Home(0, 0);
    Open();
    Get<QComboBox>("ComboBox4")->setCurrentIndex(1564);
    EXPECT_EQ(Text("ComboBox4"), QStringLiteral("Zanesville, OH"));
    EXPECT_EQ(Text("Edit5"), QStringLiteral("39"));
    EXPECT_EQ(Text("Edit7"), QStringLiteral("56"));
    EXPECT_EQ(Text("Edit6"), QStringLiteral("82"));
    EXPECT_EQ(Text("Edit8"), QStringLiteral("0"));
    Click("CalcBtn");
    EXPECT_EQ(Text("Label14"), QStringLiteral("2,068 miles"));
    // Switching units shows the last result again, without a new calculation.
    Click("RadioButton10");
    EXPECT_EQ(Text("Label14"), QStringLiteral("3,309 km."));
    EXPECT_EQ(Text("Label13"), QStringLiteral("meters"));
    Click("RadioButton9");
    EXPECT_EQ(Text("Label14"), QStringLiteral("2,068 miles"));
    // Choosing another place clears the result.
    Get<QComboBox>("ComboBox4")->setCurrentIndex(0);
    EXPECT_EQ(Text("Label14"), QString());
    Click("CalcBtn");
    EXPECT_EQ(Text("Label14"), QStringLiteral("0 miles"));
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(DistanceFormTest, TheEquatorsAntipodesAndTheAltitude) {
    Open();
    TypeAntipodes();
    Click("CalcBtn");
    EXPECT_EQ(Text("Label14"), QStringLiteral("20,004 km."));
    // An altitude change clears the result; 1000 m raise the radius by 1 km.
    Type("Edit9", QStringLiteral("1000"));
    EXPECT_EQ(Text("Label14"), QString());
    Key(Get("Edit9"), Qt::Key_Return);  // Enter calculates
    EXPECT_EQ(Text("Label14"), QStringLiteral("20,007 km."));
}

TEST_F(DistanceFormTest, TheCustomRegionOpensTheFieldsAtZeroNorthWest) {
    Open();
    Get<QComboBox>("ComboBox3")->setCurrentIndex(7);
    auto* city = Get<QComboBox>("ComboBox4");
    EXPECT_TRUE(city->isEditable());
    EXPECT_EQ(city->currentText(), QString());
    EXPECT_EQ(FocusName(), QStringLiteral("ComboBox4"));
    for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit8"}) {
        EXPECT_TRUE(Get(name)->isEnabled()) << name;
        EXPECT_EQ(Text(name), QStringLiteral("0")) << name;
    }
    EXPECT_TRUE(Get<QRadioButton>("RadioButton5")->isChecked());  // N
    EXPECT_TRUE(Get<QRadioButton>("RadioButton7")->isChecked());  // W
    EXPECT_TRUE(Get("RadioButton6")->isEnabled());
    EXPECT_TRUE(Get("SelButton2")->isEnabled());
    // Back to a library region: display only again, its first place.
    Get<QComboBox>("ComboBox3")->setCurrentIndex(2);
    EXPECT_FALSE(city->isEditable());
    EXPECT_EQ(city->currentText(), QStringLiteral("Antofagasta, Chile"));
    EXPECT_TRUE(Get<QRadioButton>("RadioButton6")->isChecked());  // S
    EXPECT_FALSE(Get("Edit5")->isEnabled());
    EXPECT_FALSE(Get("SelButton2")->isEnabled());
}

TEST_F(DistanceFormTest, EachRefusalWithItsMessageSoundAndFocus) {
    struct Case {
        const char* field;
        const char* value;
        const char* message;
        MessageKind kind;
        int beeps;
        const char* event;
        const char* focus;
    };
    const Case cases[] = {
        {"Edit5", "", "Fields cannot be blank.", MessageKind::Warning, 0, "", "CalcBtn"},
        {"Edit9", " ", "Fields cannot be blank.", MessageKind::Warning, 0, "", "CalcBtn"},
        {"Edit1", "x", "Invalid value.", MessageKind::Error, 1, "", "Edit1"},
        {"Edit8", "5a", "Invalid value.", MessageKind::Error, 1, "", "Edit8"},
        {"Edit6", "180", "Value must be between 0 and 179.", MessageKind::Error, 0, "SystemExclamation",
         "Edit6"},
        {"Edit3", "60", "Value must be between 0 and 59.", MessageKind::Error, 0, "SystemExclamation",
         "Edit3"},
        {"Edit9", "1e3", "Invalid value.", MessageKind::Error, 1, "", "Edit9"},
        {"Edit9", "-5", "Altitude cannot be negative.", MessageKind::Error, 0, "SystemExclamation", "Edit9"},
    };
    Open();
    TypeAntipodes();
    for (const Case& c : cases) {
        TypeAntipodes();
        Type("Edit9", QStringLiteral("0"));
        Click("CalcBtn");
        ASSERT_EQ(Text("Label14"), QStringLiteral("20,004 km.")) << ::testing::PrintToString(prompt_.Texts());
        prompt_.Clear();
        sound_ = test::CountingSound{};
        Type(c.field, QString::fromLatin1(c.value));
        Click("CalcBtn");
        ASSERT_EQ(prompt_.Log().size(), 1u) << c.field << " " << c.value;
        EXPECT_EQ(prompt_.Log()[0].text, c.message) << c.field << " " << c.value;
        EXPECT_EQ(prompt_.Log()[0].messageKind, c.kind) << c.field << " " << c.value;
        EXPECT_EQ(prompt_.Log()[0].title, "Orvanto");
        EXPECT_EQ(sound_.beeps, c.beeps) << c.field << " " << c.value;
        EXPECT_EQ(sound_.events, c.event[0] ? std::vector<std::string>{c.event} : std::vector<std::string>{})
            << c.field << " " << c.value;
        EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus)) << c.field << " " << c.value;
        // Nothing is computed; the result shown stays unless the altitude
        // itself changed (which clears it).
        const bool altitudeTouched = std::string(c.field) == "Edit9";
        EXPECT_EQ(Text("Label14"), altitudeTouched ? QString() : QStringLiteral("20,004 km.")) << c.field;
    }
}

// Enter calculates from any field, the typed-in city box included.
TEST_F(DistanceFormTest, EnterCalculatesFromEveryField) {
    Open();
    TypeAntipodes();
    for (const char* name : {"Edit1", "Edit8", "Edit9", "ComboBox1", "ComboBox2", "ComboBox4"}) {
        Type("Edit9", QStringLiteral("1"));
        Type("Edit9", QStringLiteral("0"));
        ASSERT_EQ(Text("Label14"), QString());
        QWidget* target = Get(name);
        if (auto* box = qobject_cast<QComboBox*>(target); box && box->isEditable()) target = box->lineEdit();
        target->setFocus();
        Key(target, Qt::Key_Return);
        EXPECT_EQ(Text("Label14"), QStringLiteral("20,004 km.")) << name;
    }
    EXPECT_TRUE(form_->isVisible());
    // One Enter, one calculation: a refusal is shown once.
    prompt_.Clear();
    Type("Edit1", QStringLiteral("x"));
    QLineEdit* city = Get<QComboBox>("ComboBox2")->lineEdit();
    city->setFocus();
    Key(city, Qt::Key_Return);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Invalid value."));
}

TEST_F(DistanceFormTest, EscapeClosesTheWindow) {
    TDist1& form = Open();
    Key(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(DistanceFormTest, AHomeRegionOutsideTheListSelectsNothing) {
    Home(9, 0);
    Open();
    EXPECT_EQ(Get<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_EQ(Get<QComboBox>("ComboBox2")->count(), 0);
    EXPECT_EQ(Text("Edit1"), QString());
    EXPECT_FALSE(Get("SelButton1")->isEnabled());
    EXPECT_EQ(Text("ComboBox3"), QStringLiteral("North America"));
    Click("CalcBtn");
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Fields cannot be blank."));
    Get<QComboBox>("ComboBox1")->setCurrentIndex(5);
    EXPECT_EQ(Text("ComboBox2"), QStringLiteral("Accra, Ghana"));
}

// Add city through the real "Select Region" window: the file is written
// beside the settings file, the message said, and the place listed at once.
TEST_F(DistanceFormTest, AddCityThroughTheRegionChooser) {
    Open();
    Get<QComboBox>("ComboBox1")->setCurrentIndex(7);
    Get<QComboBox>("ComboBox2")->setEditText(QStringLiteral("  Kathmandu, Nepal "));
    Type("Edit1", QStringLiteral("27"));
    Type("Edit3", QStringLiteral("42"));
    Type("Edit2", QStringLiteral("85"));
    Type("Edit4", QStringLiteral("19"));
    Click("RadioButton4");  // E
    RegionAnswerer answerer(4);
    Click("SelButton1");
    EXPECT_EQ(answerer.opened, 1);
    EXPECT_EQ(answerer.title, QStringLiteral("Select Region"));
    EXPECT_TRUE(answerer.firstChosenAtOpening);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("City successfully added."));
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Information);
    EXPECT_THAT(sound_.events, ElementsAre("SystemAsterisk"));

    const std::string file = ReadFile(CityFile());
    EXPECT_TRUE(file.ends_with("--\r\n\"5\",\"Kathmandu, Nepal\",\"27.7000000\",\"85.3166667\"\r\n")) << file;
    EXPECT_EQ(file.rfind("; Orvanto Personal City Database\r\n", 0), 0u);
    EXPECT_NE(file.find(";    region: A number between 1 and 7 with continent ID.\r\n"), std::string::npos);

    // Listed at once in "Asia & Middle East" on the other side.
    Get<QComboBox>("ComboBox3")->setCurrentIndex(4);
    auto* toCity = Get<QComboBox>("ComboBox4");
    EXPECT_EQ(toCity->count(), 106);
    const int at = toCity->findText(QStringLiteral("Kathmandu, Nepal"));
    ASSERT_GE(at, 0);
    toCity->setCurrentIndex(at);
    EXPECT_EQ(Text("Edit5"), QStringLiteral("27"));
    EXPECT_EQ(Text("Edit7"), QStringLiteral("42"));
    EXPECT_EQ(Text("Edit6"), QStringLiteral("85"));
    EXPECT_EQ(Text("Edit8"), QStringLiteral("19"));
    EXPECT_TRUE(Get<QRadioButton>("RadioButton8")->isChecked());  // E
}

TEST_F(DistanceFormTest, AddCityCancelledOrRefusedWritesNothing) {
    Open();
    Get<QComboBox>("ComboBox3")->setCurrentIndex(7);
    // No comma: refused, focus on the city box, the chooser never opens.
    Get<QComboBox>("ComboBox4")->setEditText(QStringLiteral("Kathmandu"));
    RegionAnswerer cancel(std::nullopt);
    Click("SelButton2");
    EXPECT_EQ(cancel.opened, 0);
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].text.rfind("Invalid city name.", 0), 0u);
    EXPECT_EQ(FocusName(), QStringLiteral("ComboBox4"));

    // The chooser cancelled: no file.
    prompt_.Clear();
    Get<QComboBox>("ComboBox4")->setEditText(QStringLiteral("Kathmandu, Nepal"));
    Click("SelButton2");
    EXPECT_EQ(cancel.opened, 1);
    EXPECT_TRUE(prompt_.Log().empty());
    EXPECT_FALSE(std::filesystem::exists(CityFile()));

    // A field of either side failing its check stops before the chooser.
    Type("Edit3", QStringLiteral("75"));  // From is a library place: display only, still checked
    Click("SelButton2");
    EXPECT_EQ(cancel.opened, 1);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Value must be between 0 and 59."));
}

TEST_F(DistanceFormTest, ADuplicateIsAskedAboutFirst) {
    std::ofstream(CityFile(), std::ios::binary)
        << "\"4\",\"New York, England\",\"53.0000000\",\"-1.0000000\"\r\n";
    Open();
    Get<QComboBox>("ComboBox3")->setCurrentIndex(7);
    Get<QComboBox>("ComboBox4")->setEditText(QStringLiteral("York, England"));
    prompt_.QueueAnswer(false);
    RegionAnswerer answerer(3);
    Click("SelButton2");
    EXPECT_EQ(answerer.opened, 0);
    EXPECT_THAT(prompt_.Texts(),
                ElementsAre("The city already exists in personal database. \nDo you want to replace it?"));
    EXPECT_EQ(ReadFile(CityFile()), "\"4\",\"New York, England\",\"53.0000000\",\"-1.0000000\"\r\n");
}

// Files users and accidents leave in place of CityData.txt: each is
// reported and the window opens with the library's places.
TEST_F(DistanceFormTest, HostileCityFilesAreReportedAndTheWindowOpens) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> make;
        const char* message;
    };
    const Case cases[] = {
        {"a FIFO", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); }, kCouldNotLoadPersonalFile},
        {"a device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); },
         kCouldNotLoadPersonalFile},
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); },
         kCouldNotLoadPersonalFile},
        {"binary bytes",
         [](const std::string& path) {
             std::string bytes;
             for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 131) % 256);
             std::ofstream(path, std::ios::binary) << bytes;
         },
         kPersonalFileLinesNotUnderstood},
        {"a record of region 0",
         [](const std::string& path) {
             std::ofstream(path, std::ios::binary) << "\"0\",\"Zero, TX\",\"1\",\"2\"\r\n";
         },
         kPersonalFileLinesNotUnderstood},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(CityFile());
        c.make(CityFile());
        prompt_.Clear();
        Open();
        EXPECT_THAT(prompt_.Texts(), ElementsAre(c.message)) << c.what;
        EXPECT_EQ(Get<QComboBox>("ComboBox2")->count(), 1565) << c.what;
    }
}

// The half-written file is removed after a failed write; the message shows
// why the write failed, not how the clean-up went.
TEST_F(DistanceFormTest, AFailedRewriteShowsItsRealCause) {
    std::filesystem::create_symlink("/dev/full", folder_.Folder() + "/CityData.txt.new");
    Open();
    Get<QComboBox>("ComboBox1")->setCurrentIndex(7);
    Get<QComboBox>("ComboBox2")->setEditText(QStringLiteral("Kathmandu, Nepal"));
    RegionAnswerer answerer(4);
    Click("SelButton1");
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
    EXPECT_NE(prompt_.Log()[0].text.find("No space left on device"), std::string::npos)
        << prompt_.Log()[0].text;
    EXPECT_FALSE(std::filesystem::exists(CityFile()));
}

}  // namespace
}  // namespace orvanto
