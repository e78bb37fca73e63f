// The biorhythm window driven by objectName: opening with "BioData.ini",
// adding and deleting favourites, the redraw triggers, the year box, the
// value strip under the mouse, the chart's menu and the options on closing.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QTableWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "biorhythm/bio_data_file.h"
#include "calendar/serial_date.h"
#include "core/scripted_prompt.h"
#include "ui/biorhythm/bio_form.h"
#include "ui/help/help_window.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using ::testing::ElementsAre;

class BioFormTest : public testing::Test {
protected:
    BioFormTest() {
        test::Application();
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
    }

    template <typename T>
    static T* Get(QWidget* form, const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    std::string BioPath() const { return bio::BioDataPath(folder_.Path()); }
    void WriteBioData(const std::string& text) { std::ofstream(BioPath(), std::ios::binary) << text; }
    std::string BioText() const {
        std::ifstream in(BioPath(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static QStringList Items(QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
    static QString Cell(TBioForm& form, int column) {
        return Get<QTableWidget>(&form, "StringGrid1")->item(0, column)->text();
    }
    static void MoveMouse(QWidget* widget, int x, int y) {
        const QPointF at(x, y);
        QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void Key(QWidget* widget, int key, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &release);
    }
    void SetPerson(TBioForm& form, const QString& name, const QDate& birth) {
        Get<QLineEdit>(&form, "Edit1")->setText(name);
        Get<QDateEdit>(&form, "DateTimePicker1")->setDate(birth);
    }

    test::SettingsFolder folder_;
    FakeClock clock_{EncodeDate(2005, 12, 20) + EncodeTime(10, 0, 0)};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppContext context_;
};

TEST_F(BioFormTest, OpensOnTodayWithTheEmptyGrid) {
    TBioForm form(context_);
    EXPECT_EQ(form.size(), QSize(553, 459));
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Biorhythm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Biorythm"));
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker1")->date(), QDate(2005, 12, 20));
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker1")->displayFormat(), QStringLiteral("M/dd/yyyy"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox1")->currentText(), QStringLiteral("December"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox1")->count(), 12);
    EXPECT_EQ(Get<QLineEdit>(&form, "AlignedEdit1")->text(), QStringLiteral("2005"));
    EXPECT_TRUE(Get<QLineEdit>(&form, "Edit1")->text().isEmpty());
    EXPECT_EQ(Get<QListWidget>(&form, "ListBox1")->count(), 0);
    EXPECT_FALSE(form.Chart().ChartDrawn());
    EXPECT_EQ(form.Chart().Days(), 31);
    EXPECT_EQ(Get<QWidget>(&form, "Image1")->size(), QSize(339, 176));
    EXPECT_EQ(Get<QWidget>(&form, "AddButton")->toolTip(),
              QStringLiteral("Adds current person's name\nand birthday to favorites list"));
    // The defaults of the options.
    EXPECT_TRUE(Get<QCheckBox>(&form, "PhysicalBox")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(&form, "EmotionalBox")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(&form, "IntellectualBox")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(&form, "ThickLinesBox")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>(&form, "DarkBackgroundBox")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>(&form, "HighlightBox")->isChecked());
    EXPECT_TRUE(prompt_.Log().empty());

    folder_.Ini().WriteInteger("Settings", "DateFormat", 2);
    TBioForm dayFirst(context_);
    EXPECT_EQ(Get<QDateEdit>(&dayFirst, "DateTimePicker1")->displayFormat(), QStringLiteral("d/MM/yyyy"));
}

TEST_F(BioFormTest, OpensWithTheOptionsAndTheLastUser) {
    WriteBioData(
        "[Options]\nPhysical=0\nDarkBackground=1\nDayUnderMouse=1\nLastUser=1\n"
        "[Items]\nUser000=zed <1/02/1990>\nUser001=Ann Lee <5/07/1980>\n");
    TBioForm form(context_);
    EXPECT_THAT(Items(Get<QListWidget>(&form, "ListBox1")),
                ElementsAre(QStringLiteral("Ann Lee <5/07/1980>"), QStringLiteral("zed <1/02/1990>")));
    EXPECT_EQ(Get<QListWidget>(&form, "ListBox1")->currentRow(), 1);
    EXPECT_EQ(Get<QLineEdit>(&form, "Edit1")->text(), QStringLiteral("zed"));
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker1")->date(), QDate(1990, 1, 2));
    EXPECT_FALSE(Get<QCheckBox>(&form, "PhysicalBox")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(&form, "DarkBackgroundBox")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(&form, "HighlightBox")->isChecked());
    EXPECT_TRUE(form.Chart().ChartDrawn());
    EXPECT_TRUE(form.Chart().Colours().dark);
    EXPECT_EQ(form.Chart().Value(1, bio::Cycle::Physical),
              bio::DayValue(bio::DaysFromBirth({1990, 1, 2}, 2005, 12), 23, 1));
}

TEST_F(BioFormTest, LastUserOutOfRangeSelectsNobody) {
    WriteBioData("[Options]\nLastUser=5\n[Items]\nUser000=Ann <5/07/1980>\n");
    TBioForm form(context_);
    EXPECT_EQ(Get<QListWidget>(&form, "ListBox1")->currentRow(), -1);
    EXPECT_FALSE(form.Chart().ChartDrawn());
}

TEST_F(BioFormTest, AddChecksTheNameAndWritesTheSortedList) {
    TBioForm form(context_);
    auto* add = Get<BevelButton>(&form, "AddButton");

    add->click();  // no name
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_TRUE(prompt_.Log().empty());

    SetPerson(form, QStringLiteral("Bob <1>"), QDate(1970, 3, 4));
    add->click();
    EXPECT_EQ(sound_.beeps, 2);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Characters \"<\" and \">\" are not allowed in names."));
    EXPECT_EQ(prompt_.Log().back().messageKind, MessageKind::Warning);
    EXPECT_FALSE(std::filesystem::exists(BioPath()));

    SetPerson(form, QStringLiteral("bob"), QDate(1970, 3, 4));
    add->click();
    SetPerson(form, QStringLiteral("Ann"), QDate(1980, 5, 7));
    add->click();
    auto* list = Get<QListWidget>(&form, "ListBox1");
    EXPECT_THAT(Items(list),
                ElementsAre(QStringLiteral("Ann <5/07/1980>"), QStringLiteral("bob <3/04/1970>")));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(form.Chart().ChartDrawn());
    EXPECT_EQ(BioText(), "[Items]\nUser000=Ann <5/07/1980>\nUser001=bob <3/04/1970>\n");

    prompt_.Clear();
    SetPerson(form, QStringLiteral("ANN"), QDate(1980, 5, 7));
    add->click();
    EXPECT_THAT(prompt_.Texts(), ElementsAre("This person is already in the list."));
    EXPECT_EQ(list->count(), 2);
    // The same name with another date is another person.
    SetPerson(form, QStringLiteral("Ann"), QDate(1980, 5, 8));
    add->click();
    EXPECT_EQ(list->count(), 3);
}

TEST_F(BioFormTest, DeleteAsksFirstAndKeepsTheChart) {
    WriteBioData("[Items]\nUser000=Ann <5/07/1980>\nUser001=Bob <1/02/1990>\n");
    TBioForm form(context_);
    auto* list = Get<QListWidget>(&form, "ListBox1");
    auto* remove = Get<BevelButton>(&form, "DeleteButton");
    remove->click();
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_TRUE(prompt_.Log().empty());

    emit list->itemDoubleClicked(list->item(0));
    ASSERT_TRUE(form.Chart().ChartDrawn());
    EXPECT_EQ(Get<QLineEdit>(&form, "Edit1")->text(), QStringLiteral("Ann"));
    prompt_.QueueAnswer(false);
    remove->click();
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Delete \"Ann <5/07/1980>\"?"));
    EXPECT_EQ(list->count(), 2);
    remove->click();
    EXPECT_THAT(Items(list), ElementsAre(QStringLiteral("Bob <1/02/1990>")));
    EXPECT_EQ(BioText(), "[Items]\nUser000=Bob <1/02/1990>\n");
    EXPECT_TRUE(form.Chart().ChartDrawn());
    EXPECT_EQ(Get<QLineEdit>(&form, "Edit1")->text(), QStringLiteral("Ann"));
}

TEST_F(BioFormTest, DeleteButtonHotTracksRed) {
    TBioForm form(context_);
    EXPECT_EQ(Get<BevelButton>(&form, "DeleteButton")->HotTrack(), QColor(Qt::red));
    EXPECT_NE(Get<BevelButton>(&form, "AddButton")->HotTrack(), QColor(Qt::red));
}

TEST_F(BioFormTest, OptionsAreWrittenOnClose) {
    WriteBioData("[Items]\nUser000=Ann <5/07/1980>\nUser001=Bob <1/02/1990>\n");
    {
        TBioForm form(context_);
        Get<QCheckBox>(&form, "EmotionalBox")->setChecked(false);
        Get<QCheckBox>(&form, "ThickLinesBox")->setChecked(false);
        Get<QCheckBox>(&form, "HighlightBox")->setChecked(true);
        Get<QListWidget>(&form, "ListBox1")->setCurrentRow(1);
        form.reject();
    }
    bio::BioOptions expected;
    expected.emotional = false;
    expected.thickLines = false;
    expected.dayUnderMouse = true;
    expected.lastUser = 1;
    EXPECT_EQ(bio::BioDataFile(BioPath()).ReadOptions(), expected);
    EXPECT_THAT(BioText(),
                ::testing::HasSubstr("[Options]\nPhysical=1\nEmotional=0\nIntellectual=1\nThickLines=0\n"
                                     "DarkBackground=0\nDayUnderMouse=1\nLastUser=1\n"));
    // The favourites were not rewritten by closing.
    EXPECT_THAT(BioText(),
                ::testing::HasSubstr("[Items]\nUser000=Ann <5/07/1980>\nUser001=Bob <1/02/1990>\n"));

    // Nobody selected gives -1; Escape closes too.
    TBioForm form(context_);
    Get<QListWidget>(&form, "ListBox1")->setCurrentRow(-1);
    Key(&form, Qt::Key_Escape);
    EXPECT_EQ(bio::BioDataFile(BioPath()).ReadOptions().lastUser, -1);
}

TEST_F(BioFormTest, UnreadableFavouritesAreReportedOnceAndKept) {
    WriteBioData("[Items]\nUser000=Ann <27/05/1980>\nUser001=Bob <1990-02-01>\nUser002=" +
                 std::string(1 << 20, 'x') + "\n");
    TBioForm form(context_);
    form.show();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Some favourites could not be read and were skipped."));
    EXPECT_THAT(Items(Get<QListWidget>(&form, "ListBox1")), ElementsAre(QStringLiteral("Bob <2/01/1990>")));
    form.hide();
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(prompt_.Log().size(), 1u);

    SetPerson(form, QStringLiteral("Cy"), QDate(2000, 1, 1));
    Get<BevelButton>(&form, "AddButton")->click();
    EXPECT_THAT(BioText(), ::testing::StartsWith("[Items]\nUser000=Bob <2/01/1990>\nUser001=Cy <1/01/2000>\n"
                                                 "User002=Ann <27/05/1980>\nUser003=xxx"));
}

TEST_F(BioFormTest, HostileFilesOpenTheWindow) {
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) & 0xFF);
    WriteBioData(noise);
    {
        TBioForm form(context_);
        EXPECT_EQ(Get<QListWidget>(&form, "ListBox1")->count(), 0);
        form.reject();
    }
    // A BioData.ini that cannot be written: closing says so and still closes.
    std::filesystem::remove(BioPath());
    std::filesystem::create_directory(BioPath());
    TBioForm form(context_);
    form.show();
    form.reject();
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
    EXPECT_EQ(prompt_.Log()[0].text, "Unable to write to " + BioPath());
}

TEST_F(BioFormTest, RedrawTriggersWaitForAPerson) {
    TBioForm form(context_);
    auto* month = Get<QComboBox>(&form, "ComboBox1");
    month->setCurrentIndex(1);
    Get<QCheckBox>(&form, "PhysicalBox")->setChecked(false);
    Get<BevelButton>(&form, "RedrawButton")->click();
    EXPECT_FALSE(form.Chart().ChartDrawn()) << "no name and a birth date of today";
    // Without a chart the colour option still recolours the empty grid.
    Get<QCheckBox>(&form, "DarkBackgroundBox")->setChecked(true);
    EXPECT_TRUE(form.Chart().Colours().dark);

    // A name with the birth date of today: the trigger fires, but a chart
    // for someone born today is not drawn.
    Get<QLineEdit>(&form, "Edit1")->setText(QStringLiteral("Ann"));
    month->setCurrentIndex(3);
    EXPECT_FALSE(form.Chart().ChartDrawn());
    Get<QDateEdit>(&form, "DateTimePicker1")->setDate(QDate(1980, 5, 7));
    month->setCurrentIndex(2);
    ASSERT_TRUE(form.Chart().ChartDrawn());
    EXPECT_EQ(form.Chart().Days(), 31);  // March
    month->setCurrentIndex(1);
    EXPECT_EQ(form.Chart().Days(), 28);  // February 2005
    EXPECT_EQ(form.Chart().XEnd(), 290);

    // A birth date other than today draws without a name.
    Get<QLineEdit>(&form, "Edit1")->clear();
    Get<QDateEdit>(&form, "DateTimePicker1")->setDate(QDate(1980, 5, 7));
    Get<QCheckBox>(&form, "ThickLinesBox")->setChecked(false);
    EXPECT_EQ(form.Chart().Value(1, bio::Cycle::Emotional),
              bio::DayValue(bio::DaysFromBirth({1980, 5, 7}, 2005, 2), 28, 1));
    // Enter in the date picker draws at once.
    Get<QDateEdit>(&form, "DateTimePicker1")->setDate(QDate(1981, 5, 7));
    Key(Get<QDateEdit>(&form, "DateTimePicker1"), Qt::Key_Return);
    EXPECT_EQ(form.Chart().Value(1, bio::Cycle::Emotional),
              bio::DayValue(bio::DaysFromBirth({1981, 5, 7}, 2005, 2), 28, 1));
}

TEST_F(BioFormTest, YearBoxTakesDigitsAndArrowsStayInRange) {
    TBioForm form(context_);
    auto* year = Get<QLineEdit>(&form, "AlignedEdit1");
    SetPerson(form, QStringLiteral("Ann"), QDate(1980, 5, 7));
    year->setText(QStringLiteral("20"));
    Key(year, Qt::Key_A, QStringLiteral("a"));
    Key(year, Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_EQ(sound_.beeps, 2);
    EXPECT_EQ(year->text(), QStringLiteral("20"));
    year->end(false);
    Key(year, Qt::Key_1, QStringLiteral("1"));
    Key(year, Qt::Key_0, QStringLiteral("0"));
    EXPECT_EQ(year->text(), QStringLiteral("2010"));
    EXPECT_EQ(year->maxLength(), 4);

    auto* up = Get<RoundButton>(&form, "UpDown1Up");
    auto* down = Get<RoundButton>(&form, "UpDown1Down");
    up->click();
    EXPECT_EQ(year->text(), QStringLiteral("2011"));
    EXPECT_TRUE(form.Chart().ChartDrawn()) << "the arrows draw at once";
    year->setText(QStringLiteral("2078"));
    up->click();
    EXPECT_EQ(year->text(), QStringLiteral("2078"));
    year->setText(QStringLiteral("1753"));
    down->click();
    EXPECT_EQ(year->text(), QStringLiteral("1753"));
    Key(year, Qt::Key_Up);
    EXPECT_EQ(year->text(), QStringLiteral("1754"));
}

TEST_F(BioFormTest, LeavingAShortYearBeepsAndStays) {
    TBioForm form(context_);
    form.show();
    QApplication::setActiveWindow(&form);
    auto* year = Get<QLineEdit>(&form, "AlignedEdit1");
    auto* name = Get<QLineEdit>(&form, "Edit1");
    year->setFocus();
    QApplication::processEvents();
    year->setText(QStringLiteral("19"));
    name->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), year);
    EXPECT_EQ(year->selectedText(), QStringLiteral("19"));

    // A year no chart can be drawn for keeps the focus as well.
    year->setText(QStringLiteral("2100"));
    name->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(sound_.beeps, 2);
    EXPECT_EQ(QApplication::focusWidget(), year);

    year->setText(QStringLiteral("1999"));
    name->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(sound_.beeps, 2);
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(BioFormTest, ValueStripAndHighlightFollowTheMouse) {
    TBioForm form(context_);
    auto* image = Get<QWidget>(&form, "Image1");
    MoveMouse(image, 25, 50);
    EXPECT_TRUE(Cell(form, 0).isEmpty()) << "no chart yet";

    SetPerson(form, QStringLiteral("Ann"), QDate(1980, 5, 7));
    Get<BevelButton>(&form, "RedrawButton")->click();
    ASSERT_TRUE(form.Chart().ChartDrawn());
    const int a = bio::DaysFromBirth({1980, 5, 7}, 2005, 12);
    MoveMouse(image, 25, 50);
    EXPECT_EQ(Cell(form, 0), QStringLiteral("Day: 1"));
    EXPECT_EQ(Cell(form, 1), QStringLiteral("Physical: %1").arg(bio::DayValue(a, 23, 1)));
    EXPECT_EQ(Cell(form, 2), QStringLiteral("Emotional: %1").arg(bio::DayValue(a, 28, 1)));
    EXPECT_EQ(Cell(form, 3), QStringLiteral("Intellectual: %1").arg(bio::DayValue(a, 33, 1)));
    EXPECT_EQ(form.Chart().HighlightedDay(), -1);

    auto* strip = Get<QTableWidget>(&form, "StringGrid1");
    EXPECT_EQ(strip->columnWidth(0), 50);
    EXPECT_EQ(strip->columnWidth(3), 104);
    EXPECT_EQ(strip->item(0, 1)->foreground().color(), QColor(Qt::red));

    Get<QCheckBox>(&form, "HighlightBox")->setChecked(true);
    MoveMouse(image, 105, 60);
    EXPECT_EQ(Cell(form, 0), QStringLiteral("Day: 9"));
    EXPECT_EQ(form.Chart().HighlightedDay(), 8);
    const QImage shown = static_cast<ChartView*>(image)->Image();
    EXPECT_EQ(shown.pixel(105, 60) & 0xFFFFFF, form.Chart().CleanImage().Pixel(105, 60) ^ 0xD0D0D0);

    Get<QCheckBox>(&form, "HighlightBox")->setChecked(false);
    EXPECT_EQ(form.Chart().Image(), form.Chart().CleanImage());

    Get<QCheckBox>(&form, "HighlightBox")->setChecked(true);
    MoveMouse(image, 105, 60);
    MoveMouse(image, 5, 60);  // left of the plot
    EXPECT_TRUE(Cell(form, 0).isEmpty());
    EXPECT_EQ(form.Chart().Image(), form.Chart().CleanImage());
}

TEST_F(BioFormTest, ChartMenuPrintsCopiesAndSaves) {
    TBioForm form(context_);
    SetPerson(form, QStringLiteral("Ann"), QDate(1980, 5, 7));
    Get<BevelButton>(&form, "RedrawButton")->click();
    QStringList texts;
    for (QAction* action : form.ChartMenu()->actions()) texts << action->text();
    EXPECT_THAT(texts,
                ElementsAre(QStringLiteral("&Print image (small)"), QStringLiteral("P&rint image (large)"),
                            QStringLiteral("&Copy image"), QStringLiteral("&Save as bitmap")));

    form.findChild<QAction*>(QStringLiteral("CopyItem"))->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(339, 176));

    QTemporaryDir dir;
    const QString bitmap = dir.filePath(QStringLiteral("chart.bmp"));
    EXPECT_TRUE(form.SaveBitmap(bitmap));
    const QImage saved(bitmap);
    EXPECT_EQ(saved.size(), QSize(339, 176));
    EXPECT_EQ(saved.pixel(20, 40) & 0xFFFFFF, 0x000000u);  // a grid line
    EXPECT_FALSE(form.SaveBitmap(dir.filePath(QStringLiteral("missing/chart.bmp"))));
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);

    for (int scale : {3, 6}) {
        const QString pdf = dir.filePath(QStringLiteral("chart%1.pdf").arg(scale));
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(300);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_TRUE(form.PrintOn(printer, scale));
        EXPECT_GT(QFileInfo(pdf).size(), 0);
    }
}

TEST_F(BioFormTest, HelpOpensAtTheBiorhythmTopic) {
    TBioForm form(context_);
    for (int way = 0; way < 2; ++way) {
        if (way == 0)
            Get<BevelButton>(&form, "HelpButton")->click();
        else
            Key(&form, Qt::Key_F1);
        HelpWindow* help = OpenHelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Browser()->source(), QUrl(QStringLiteral("qrc:/help/Biorhythm.htm")));
        CloseHelpWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace orvanto
