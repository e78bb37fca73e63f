// The kit of the settings pages.
#include "ui/settings/settings_page.h"

#include <charconv>

namespace orvanto {

bool DialogBool(const IniFile& settings, std::string_view section, std::string_view key) {
    return ReadSettingBool(settings, section, key, SettingsReader::SettingsDialog);
}

int DialogInteger(const IniFile& settings, std::string_view section, std::string_view key) {
    return ReadSettingInteger(settings, section, key, SettingsReader::SettingsDialog);
}

std::string DialogText(const IniFile& settings, std::string_view section, std::string_view key) {
    return ReadSettingText(settings, section, key, SettingsReader::SettingsDialog);
}

QCheckBox* MakeCheck(QWidget* parent, const char* objectName, const QString& caption, const QRect& at,
                     const char* hint) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setGeometry(at);
    if (hint) box->setToolTip(QString::fromUtf8(hint));
    return box;
}

QRadioButton* MakeRadio(QWidget* parent, const char* objectName, const QString& caption, const QRect& at) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(at);
    return button;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, const QRect& at, QWidget* buddy,
                    const char* objectName) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    if (buddy) label->setBuddy(buddy);
    if (objectName) label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

BevelButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption, const QRect& at) {
    auto* button = new BevelButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(caption);
    button->setGeometry(at);
    return button;
}

QGroupBox* MakeGroup(QWidget* parent, const char* objectName, const QString& title, const QRect& at) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(objectName));
    group->setGeometry(at);
    return group;
}

std::vector<QCheckBox*> MakeChecks(QWidget* parent, const std::vector<BoolBinding>& bindings) {
    std::vector<QCheckBox*> boxes;
    for (const BoolBinding& binding : bindings) {
        boxes.push_back(MakeCheck(parent, binding.objectName, QString::fromUtf8(binding.caption), binding.at,
                                  binding.hint));
    }
    return boxes;
}

void LoadChecks(const std::vector<BoolBinding>& bindings, const std::vector<QCheckBox*>& boxes,
                const IniFile& settings) {
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        boxes[i]->setChecked(DialogBool(settings, bindings[i].section, bindings[i].key));
    }
}

void SaveChecks(const std::vector<BoolBinding>& bindings, const std::vector<QCheckBox*>& boxes,
                std::vector<KeyValue>& values) {
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        values.push_back({bindings[i].section, bindings[i].key, BoolText(boxes[i]->isChecked())});
    }
}

std::string BoolText(bool value) { return value ? "1" : "0"; }

// Written with the characters of the C locale whatever the user's locale.
std::string IntText(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace orvanto
