// TSettingsForm: the "Settings" dialog.
#include "ui/settings/settings_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <filesystem>

#include "places/decimal_text.h"
#include "places/feedback.h"
#include "platform/connection_state.h"
#include "platform/host_lookup.h"
#include "ui/help/help_window.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(520, 428);
constexpr QSize kMainWindowSize(356, 444);

TSettingsForm::HistoryViewer& TheHistoryViewer() {
    static TSettingsForm::HistoryViewer viewer = &TSettingsForm::ShowFileInHelpWindow;
    return viewer;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::optional<QString> ChooseFileWithDialog(const FileChoice& choice, QWidget* parent) {
    QFileDialog dialog(parent, choice.title, choice.startFolder, choice.filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

void WaitProcessingEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

// ---------------------------------------------------------------- messages

void DialogPrompt::ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
    if (inner_) inner_->ShowMessage(kind, title, text);
    TakeFocusBack();
}

bool DialogPrompt::Ask(MessageKind kind, const std::string& title, const std::string& text) {
    const bool answer = inner_ && inner_->Ask(kind, title, text);
    TakeFocusBack();
    return answer;
}

ReminderPopupAnswer DialogPrompt::Popup(const ReminderPopupRequest& request) {
    const ReminderPopupAnswer answer = inner_ ? inner_->Popup(request) : ReminderPopupAnswer{};
    TakeFocusBack();
    return answer;
}

void DialogPrompt::TakeFocusBack() {
    if (dialog_->isVisible()) dialog_->activateWindow();
}

// ---------------------------------------------------------------- opening

void TSettingsForm::SetHistoryViewer(HistoryViewer viewer) {
    TheHistoryViewer() = viewer ? std::move(viewer) : HistoryViewer(&TSettingsForm::ShowFileInHelpWindow);
}

void TSettingsForm::ShowFileInHelpWindow(const std::string& path, QWidget*) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return;
    const QString text = QString::fromUtf8(file.readAll());
    ShowHelpTopic(std::string());
    if (HelpWindow* window = OpenHelpWindow()) {
        window->Browser()->setPlainText(text);
        window->setWindowTitle(QStringLiteral("Orvanto Help - ") + QFileInfo(file).fileName());
    }
}

void TSettingsForm::Open(AppContext& context, QWidget* parent) {
    XdgLogonEntry logon;
    const std::unique_ptr<DesktopBackground> desktop = MakeDesktopBackground();
    SystemHostLookup lookup;
    IcmpPinger pinger(lookup);
    SystemConnectionState connection;

    SettingsDialogServices services;
    services.logon = &logon;
    services.desktop = desktop.get();
    services.pinger = &pinger;
    services.connected = [&connection, &lookup] {
        const std::vector<std::string> own = lookup.OwnAddresses();
        const std::string address = own.empty() ? std::string() : own.back();
        return connection.InternetAvailable() && address != "127.0.0.1";
    };
    services.programPath = QCoreApplication::applicationFilePath().toStdString();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize windowSize = parent ? parent->window()->size() : kMainWindowSize;
    if (screen) services.positionRange = CustomPositionRange(screen->availableGeometry(), windowSize);
    // The file dialogs and the history viewer open over this dialog, not
    // beside it over the blocked main window: they get the focus and keep it.
    QWidget* onTop = parent;
    services.chooseFile = [&onTop](const FileChoice& choice) { return ChooseFileWithDialog(choice, onTop); };
    services.viewHistory = [&onTop](const std::string& path) { TheHistoryViewer()(path, onTop); };
    services.wait = &WaitProcessingEvents;

    TSettingsForm form(context, std::move(services), parent);
    onTop = &form;
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

TSettingsForm::TSettingsForm(AppContext& context, SettingsDialogServices services, QWidget* parent)
    : TSettingsForm(context, std::move(services), LoadLibraryRegions(), parent) {}

TSettingsForm::TSettingsForm(AppContext& context, SettingsDialogServices services, RegionLists regions,
                             QWidget* parent)
    : ThemedDialog(QStringLiteral("Settings"), kClientSize, parent),
      context_(context),
      services_(std::move(services)),
      settingsPath_(AbsolutePath(context.settingsPath)),
      prompt_(context.prompt, this) {
    setObjectName(QStringLiteral("TSettingsForm"));
    setFont(PixelFont(FontFace::Tahoma, 11));
    Build(std::move(regions));
    if (services_.logon) services_.logon->RemoveMachineWide(AutostartEntryName(settingsPath_));
    Load();
    ApplyTheme(general_->ThemeIndex());
}

void TSettingsForm::Build(RegionLists regions) {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(10, 32, 500, 346);
    general_ = new GeneralPage(context_.sound, &prompt_, services_);
    startup_ = new StartupPage(settingsPath_, &prompt_, services_);
    events_ = new EventsPage(&prompt_, services_);
    international_ = new InternationalPage;
    location_ = new LocationPage(std::move(regions), nullptr);
    clock_ = new ClockPage(&prompt_, services_);
    pages_->addTab(general_, QStringLiteral("General"));
    pages_->addTab(startup_, QStringLiteral("Startup"));
    pages_->addTab(events_, QStringLiteral("Events"));
    pages_->addTab(international_, QStringLiteral("International"));
    pages_->addTab(location_, QStringLiteral("Location"));
    pages_->addTab(clock_, QStringLiteral("Clock correction"));

    ok_ = MakeButton(this, "OKButton", QStringLiteral("&OK"), QRect(246, 388, 84, 28));
    cancel_ = MakeButton(this, "CancelButton2", QStringLiteral("C&ancel"), QRect(336, 388, 84, 28));
    help_ = MakeButton(this, "HelpButton", QStringLiteral("&Help"), QRect(426, 388, 84, 28));

    connect(general_, &GeneralPage::ThemeChosen, this, &TSettingsForm::ApplyTheme);
    connect(location_, &LocationPage::OkRequested, this, &TSettingsForm::PressOk);
    connect(ok_, &QAbstractButton::clicked, this, &TSettingsForm::PressOk);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kConfigureHelpTopic); });
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, &TSettingsForm::PressOk);
    clock_->MinutesBox()->installEventFilter(this);
    clock_->SecondsBox()->installEventFilter(this);
}

void TSettingsForm::Load() {
    const IniFile settings(settingsPath_);
    for (SettingsPage* page : std::initializer_list<SettingsPage*>{general_, startup_, events_,
                                                                   international_, location_, clock_}) {
        page->Load(settings);
    }
    pages_->setCurrentWidget(general_);
}

void TSettingsForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    std::vector<BevelButton*> buttons = {ok_, cancel_, help_};
    for (BevelButton* button : general_->Buttons()) buttons.push_back(button);
    for (BevelButton* button : events_->Buttons()) buttons.push_back(button);
    buttons.push_back(clock_->TestButton());
    for (BevelButton* button : buttons) button->SetColors(theme.Buttons(ButtonFamily::Day));
    for (RoundButton* arrow : events_->Arrows()) arrow->SetFace(theme.Color(ThemeRole::RoundFace));
    for (int i = 0; i < pages_->count(); ++i) {
        QWidget* page = pages_->widget(i);
        QPalette p = page->palette();
        p.setColor(QPalette::Window, theme.Color(ThemeRole::WindowBackground));
        page->setPalette(p);
        page->setAutoFillBackground(true);
    }
    update();
}

// ---------------------------------------------------------------- keys and closing

void TSettingsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(kConfigureHelpTopic);
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

void TSettingsForm::done(int result) {
    closing_ = true;
    // Section "Location" written by an earlier "&OK" that failed later on
    // stays written: the main window has to read it too.
    if (result != QDialog::Accepted && locationWritten_ && context_.events)
        emit context_.events->SettingsChanged();
    ThemedDialog::done(result);
}

// Leaving the minutes or seconds box empty (for anything but Cancel or
// another window) is refused at once.
bool TSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !closing_) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        QWidget* next = QApplication::focusWidget();
        const bool ignored = next == cancel_ || (next && next->window() != this) || !isVisible();
        if (box && !ignored) {
            QTimer::singleShot(0, this, [this, box] { CheckLeftBox(box); });
        }
    }
    return ThemedDialog::eventFilter(watched, event);
}

void TSettingsForm::CheckLeftBox(QLineEdit* box) {
    if (closing_ || !isVisible() || !box->text().trimmed().isEmpty()) return;
    RefuseOnClockPage(box, box == clock_->MinutesBox() ? kCorrectionTimeRange : kServerTimeoutRange);
}

// ---------------------------------------------------------------- "&OK"

void TSettingsForm::PressOk() {
    try {
        IniFile settings(settingsPath_);
        if (!CheckLocation(settings)) return;
        if (!CheckClock()) return;
        WriteWallpaperState(settings);
        WriteKeys(settings);
        WriteLogonEntry(settings);
        if (startup_->RestoreWallpaperMarked() && startup_->Wallpaper().mode == kWallpaperOff &&
            services_.desktop) {
            RestorePreviousWallpaper(*services_.desktop, settings);
        }
    } catch (const std::exception& error) {
        prompt_.ShowMessage(MessageKind::Error, kMessageTitle, error.what());
        return;
    }
    stored_ = true;
    if (context_.events) emit context_.events->SettingsChanged();
    closing_ = true;
    accept();
}

bool TSettingsForm::CheckLocation(IniFile& settings) {
    static SilentSound silence;
    Sound& sound = context_.sound ? *context_.sound : silence;
    const auto showPage = [this] { pages_->setCurrentWidget(location_); };
    if (QWidget* focus = location_->CheckAndWrite(settings, prompt_, sound, showPage)) {
        focus->setFocus();
        return false;
    }
    locationWritten_ = true;
    return true;
}

bool TSettingsForm::CheckClock() {
    if (!clock_->TimeCorrection()) return true;
    QLineEdit* minutes = clock_->MinutesBox();
    QLineEdit* seconds = clock_->SecondsBox();
    if (!HasOnlyDigitsAndBlanks(minutes->text().toStdString())) {
        RefuseOnClockPage(minutes, kCorrectionTimeRange);
        return false;
    }
    if (!HasOnlyDigitsAndBlanks(seconds->text().toStdString())) {
        RefuseOnClockPage(seconds, kServerTimeoutRange);
        return false;
    }
    if (!ConnectionSetting(minutes->text())) {
        RefuseOnClockPage(minutes, kCorrectionTimeRange);
        return false;
    }
    if (!ConnectionSetting(seconds->text())) {
        RefuseOnClockPage(seconds, kServerTimeoutRange);
        return false;
    }
    if (!clock_->AutoServer() && clock_->ServerBox()->currentText().trimmed().isEmpty()) {
        RefuseOnClockPage(clock_->ServerBox(), kServerNameBlank);
        return false;
    }
    return true;
}

void TSettingsForm::RefuseOnClockPage(QWidget* box, const char* message) {
    pages_->setCurrentWidget(clock_);
    if (context_.sound) context_.sound->Beep();
    prompt_.ShowMessage(MessageKind::Error, kMessageTitle, message);
    box->setFocus();
}

void TSettingsForm::WriteWallpaperState(IniFile& settings) {
    const WallpaperOptions options = startup_->Wallpaper();
    if (options.mode == kWallpaperOff) {
        for (const char* key : {"Wallpaper", "WPX", "WPY"})
            WriteKey(settings, {std::string(kSettingsSection), key, "0"});
        return;
    }
    // Without a desktop service nothing is remembered as the old wallpaper.
    StoredDesktopBackground none(std::string{});
    SwitchWallpaperOn(services_.desktop ? *services_.desktop : static_cast<DesktopBackground&>(none),
                      settings, options);
}

// Every write renews the whole file on disk; a key that already holds its
// value is left as it is, which gives the same file at a fraction of the cost.
void TSettingsForm::WriteKey(IniFile& settings, const KeyValue& value) {
    constexpr std::size_t kLongestReadValue = 1023;
    const bool holds = value.value.size() < kLongestReadValue &&
                       settings.ValueExists(value.section, value.key) &&
                       settings.ReadString(value.section, value.key, std::string()) == value.value;
    if (!holds) settings.WriteString(value.section, value.key, value.value);
}

void TSettingsForm::WriteKeys(IniFile& settings) {
    std::vector<KeyValue> values;
    for (const SettingsPage* page :
         std::initializer_list<const SettingsPage*>{general_, startup_, events_, international_, clock_}) {
        page->Save(values);
    }
    for (std::string_view section : {kSettingsSection, kColorsSection, kSntpSection}) {
        for (const KeyValue& value : values) {
            if (value.section == section) WriteKey(settings, value);
        }
    }
}

void TSettingsForm::WriteLogonEntry(const IniFile& settings) {
    if (!services_.logon) return;
    const std::string name = AutostartEntryName(settings.FileName());
    services_.logon->Remove(name);
    const LogonMode mode = startup_->Logon();
    if (mode == LogonMode::None) return;
    services_.logon->Write(name, AutostartExec(services_.programPath, mode, settings.FileName()));
}

}  // namespace orvanto
