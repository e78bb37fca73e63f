// The "Location" page: the tree of regions and places of the city library,
// the typed-in ("Custom") place and its boxes. The rules are those of
// LocationSelection; the page shows them.
#pragma once

#include <QLineEdit>
#include <QTreeWidget>

#include "core/prompt.h"
#include "core/sound.h"
#include "places/location_selection.h"
#include "ui/settings/settings_page.h"

namespace orvanto {

// The tree's images: 0 the root, 1 a collapsed region, 2 an expanded one,
// 3 a place (drawn at run time).
QIcon LocationTreeImage(int index);

class LocationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit LocationPage(QWidget* parent = nullptr);
    LocationPage(RegionLists regions, QWidget* parent);
    void Load(const IniFile& settings) override;
    // Section "Location" is written by CheckAndWrite, step 1 of "&OK".
    void Save(std::vector<KeyValue>&) const override {}

    // Checks the page and writes section "Location". On a failure,
    // showPage runs, the sound and message are given and the control to
    // focus is returned.
    QWidget* CheckAndWrite(IniFile& settings, Prompt& prompt, Sound& sound,
                           const std::function<void()>& showPage);

    QTreeWidget* Tree() const { return tree_; }
    const LocationSelection& Selection() const { return selection_; }
    // The item of the root, a region (0..7) or a place.
    QTreeWidgetItem* RootItem() const { return root_; }
    QTreeWidgetItem* RegionItem(int region) const;
    QTreeWidgetItem* PlaceItem(int region, int place) const;

signals:
    // A double click in the tree is the dialog's "&OK".
    void OkRequested();

private:
    void Build();
    void NodeClicked(QTreeWidgetItem* item);
    void ShowBoxes();
    void TakeBoxes();
    QWidget* FieldWidget(LocationField field) const;

    LocationSelection selection_;
    QTreeWidget* tree_;
    QTreeWidgetItem* root_ = nullptr;
    QLineEdit* region_;
    QLineEdit* name_;
    QLineEdit* latDegrees_;
    QLineEdit* latMinutes_;
    QLineEdit* lonDegrees_;
    QLineEdit* lonMinutes_;
    QRadioButton* north_;
    QRadioButton* south_;
    QRadioButton* west_;
    QRadioButton* east_;
    bool loading_ = false;
};

}  // namespace orvanto
