// The "Location" page.
#include "ui/settings/location_page.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPainterPath>

#include "places/city_regions.h"

namespace orvanto {

namespace {

constexpr int kRegionRole = Qt::UserRole;
constexpr int kPlaceRole = Qt::UserRole + 1;
constexpr int kImageSize = 32;

enum TreeImage { kRootImage = 0, kCollapsedImage = 1, kExpandedImage = 2, kPlaceImage = 3 };

// A globe: a blue disc with two meridians and the equator.
void DrawGlobe(QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 140), 2));
    p.setBrush(QColor(90, 160, 230));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 245, 255), 1.5));
    p.drawEllipse(QRectF(10, 3, 12, 26));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.setPen(QPen(QColor(60, 150, 60), 0));
    p.setBrush(QColor(70, 160, 70));
    p.drawEllipse(QRectF(7, 8, 7, 6));
    p.drawEllipse(QRectF(17, 18, 8, 6));
}

// A folder, closed or open.
void DrawFolder(QPainter& p, bool open) {
    const QColor edge(150, 110, 20);
    p.setPen(QPen(edge, 1.5));
    p.setBrush(QColor(235, 190, 70));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14, 11);
    back.lineTo(29, 11);
    back.lineTo(29, 27);
    back.lineTo(3, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 215, 110));
    if (open) {
        QPainterPath front;
        front.moveTo(7, 15);
        front.lineTo(31, 15);
        front.lineTo(27, 27);
        front.lineTo(3, 27);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        p.drawRect(QRectF(3, 14, 26, 13));
    }
}

// A pin: a red head on a short grey needle.
void DrawPlace(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 90), 2.5));
    p.drawLine(QPointF(16, 16), QPointF(16, 29));
    p.setPen(QPen(QColor(120, 0, 0), 1.5));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(9, 3, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 170));
    p.drawEllipse(QRectF(12, 6, 4, 4));
}

QLineEdit* MakeBox(QWidget* parent, const char* objectName, const QRect& at, int maxLength = 0) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setGeometry(at);
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

}  // namespace

QIcon LocationTreeImage(int index) {
    QPixmap image(kImageSize, kImageSize);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case kRootImage:
        DrawGlobe(p);
        break;
    case kCollapsedImage:
        DrawFolder(p, false);
        break;
    case kExpandedImage:
        DrawFolder(p, true);
        break;
    default:
        DrawPlace(p);
        break;
    }
    return QIcon(image);
}

LocationPage::LocationPage(QWidget* parent) : LocationPage(LoadLibraryRegions(), parent) {}

LocationPage::LocationPage(RegionLists regions, QWidget* parent)
    : SettingsPage(parent), selection_(std::move(regions)) {
    setObjectName(QStringLiteral("LocationPage"));
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setGeometry(8, 6, 252, 298);
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setIconSize(QSize(16, 16));

    constexpr int kLeft = 272;
    region_ = MakeBox(this, "Edit7", QRect(kLeft, 24, 214, 22));
    region_->setReadOnly(true);
    MakeCaption(this, QStringLiteral("&Region"), QRect(kLeft, 6, 214, 18), region_);
    name_ = MakeBox(this, "Edit2", QRect(kLeft, 72, 214, 22));
    MakeCaption(this, QStringLiteral("&Name:"), QRect(kLeft, 54, 214, 18), name_);

    latDegrees_ = MakeBox(this, "Edit3", QRect(kLeft, 124, 40, 22), 3);
    MakeCaption(this, QStringLiteral("L&atitude:"), QRect(kLeft, 106, 214, 18), latDegrees_);
    MakeCaption(this, QStringLiteral("deg"), QRect(kLeft + 44, 126, 30, 18));
    latMinutes_ = MakeBox(this, "Edit5", QRect(kLeft + 76, 124, 34, 22), 2);
    MakeCaption(this, QStringLiteral("min"), QRect(kLeft + 114, 126, 30, 18));
    north_ = MakeRadio(this, "NorthButton", QStringLiteral("N"), QRect(kLeft, 150, 44, 20));
    south_ = MakeRadio(this, "SouthButton", QStringLiteral("S"), QRect(kLeft + 50, 150, 44, 20));
    auto* latitude = new QButtonGroup(this);
    latitude->addButton(north_);
    latitude->addButton(south_);

    lonDegrees_ = MakeBox(this, "Edit4", QRect(kLeft, 202, 40, 22), 3);
    MakeCaption(this, QStringLiteral("Lo&ngitude:"), QRect(kLeft, 184, 214, 18), lonDegrees_);
    MakeCaption(this, QStringLiteral("deg"), QRect(kLeft + 44, 204, 30, 18));
    lonMinutes_ = MakeBox(this, "Edit6", QRect(kLeft + 76, 202, 34, 22), 2);
    MakeCaption(this, QStringLiteral("min"), QRect(kLeft + 114, 204, 30, 18));
    west_ = MakeRadio(this, "WestButton", QStringLiteral("W"), QRect(kLeft, 228, 44, 20));
    east_ = MakeRadio(this, "EastButton", QStringLiteral("E"), QRect(kLeft + 50, 228, 44, 20));
    auto* longitude = new QButtonGroup(this);
    longitude->addButton(west_);
    longitude->addButton(east_);

    Build();
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!loading_ && current) NodeClicked(current);
    });
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (!loading_) NodeClicked(item);
    });
    // A double click on a place (or "Custom") is "&OK"; on the root or a
    // region it opens or closes the node, as in any tree.
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const bool place = item->data(0, kPlaceRole).toInt() >= 0;
        if (place || item->data(0, kRegionRole).toInt() == kCustomRegionIndex) emit OkRequested();
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item != root_) item->setIcon(0, LocationTreeImage(kExpandedImage));
    });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item != root_) item->setIcon(0, LocationTreeImage(kCollapsedImage));
    });
}

void LocationPage::Build() {
    const QIcon placeImage = LocationTreeImage(kPlaceImage);
    const QIcon regionImage = LocationTreeImage(kCollapsedImage);
    root_ = new QTreeWidgetItem(tree_, {QStringLiteral("World")});
    root_->setIcon(0, LocationTreeImage(kRootImage));
    root_->setData(0, kRegionRole, -1);
    root_->setData(0, kPlaceRole, -1);
    for (int region = 0; region <= kCustomRegionIndex; ++region) {
        auto* node = new QTreeWidgetItem(root_, {QString::fromUtf8(kRegionNames[region])});
        node->setIcon(0, regionImage);
        node->setData(0, kRegionRole, region);
        node->setData(0, kPlaceRole, -1);
        if (region == kCustomRegionIndex) break;
        const RegionList& places = selection_.Regions()[region];
        QList<QTreeWidgetItem*> children;
        children.reserve(static_cast<int>(places.size()));
        for (std::size_t place = 0; place < places.size(); ++place) {
            auto* child = new QTreeWidgetItem({QString::fromStdString(places[place].name)});
            child->setIcon(0, placeImage);
            child->setData(0, kRegionRole, region);
            child->setData(0, kPlaceRole, static_cast<int>(place));
            children.append(child);
        }
        node->addChildren(children);
    }
}

QTreeWidgetItem* LocationPage::RegionItem(int region) const {
    return region >= 0 && region < root_->childCount() ? root_->child(region) : nullptr;
}

QTreeWidgetItem* LocationPage::PlaceItem(int region, int place) const {
    QTreeWidgetItem* node = RegionItem(region);
    return node && place >= 0 && place < node->childCount() ? node->child(place) : nullptr;
}

void LocationPage::Load(const IniFile& settings) {
    loading_ = true;
    selection_.Load(settings);
    tree_->collapseAll();
    tree_->setCurrentItem(nullptr);
    tree_->clearSelection();
    if (selection_.RootExpanded()) root_->setExpanded(true);
    if (QTreeWidgetItem* region = RegionItem(selection_.ExpandedRegion())) region->setExpanded(true);
    QTreeWidgetItem* current = nullptr;
    if (selection_.CustomMode()) {
        current = RegionItem(kCustomRegionIndex);
    } else if (selection_.PlaceIndex() >= 0) {
        current = PlaceItem(selection_.RegionIndex(), selection_.PlaceIndex());
    }
    if (current) {
        tree_->setCurrentItem(current);
        tree_->scrollToItem(current);
    }
    ShowBoxes();
    loading_ = false;
}

void LocationPage::NodeClicked(QTreeWidgetItem* item) {
    const int region = item->data(0, kRegionRole).toInt();
    const int place = item->data(0, kPlaceRole).toInt();
    if (region < 0) {
        selection_.ClickRoot();
    } else if (place < 0) {
        selection_.ClickRegion(region);
    } else {
        selection_.ClickPlace(region, place);
    }
    ShowBoxes();
    if (selection_.CustomMode()) name_->setFocus();
}

void LocationPage::ShowBoxes() {
    const LocationBoxes& boxes = selection_.Boxes();
    region_->setText(QString::fromStdString(boxes.region));
    name_->setText(QString::fromStdString(boxes.name));
    latDegrees_->setText(QString::fromStdString(boxes.latitudeDegrees));
    latMinutes_->setText(QString::fromStdString(boxes.latitudeMinutes));
    lonDegrees_->setText(QString::fromStdString(boxes.longitudeDegrees));
    lonMinutes_->setText(QString::fromStdString(boxes.longitudeMinutes));
    (boxes.south ? south_ : north_)->setChecked(true);
    (boxes.west ? west_ : east_)->setChecked(true);
    const bool enabled = selection_.BoxesEnabled();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{region_, name_, latDegrees_, latMinutes_, lonDegrees_, lonMinutes_,
                                         north_, south_, west_, east_}) {
        widget->setEnabled(enabled);
    }
}

void LocationPage::TakeBoxes() {
    if (!selection_.CustomMode()) return;
    LocationBoxes& boxes = selection_.Boxes();
    boxes.name = name_->text().toStdString();
    boxes.latitudeDegrees = latDegrees_->text().toStdString();
    boxes.latitudeMinutes = latMinutes_->text().toStdString();
    boxes.longitudeDegrees = lonDegrees_->text().toStdString();
    boxes.longitudeMinutes = lonMinutes_->text().toStdString();
    boxes.south = south_->isChecked();
    boxes.west = west_->isChecked();
}

QWidget* LocationPage::FieldWidget(LocationField field) const {
    switch (field) {
    case LocationField::Tree:
        return tree_;
    case LocationField::Name:
        return name_;
    case LocationField::LatitudeDegrees:
        return latDegrees_;
    case LocationField::LongitudeDegrees:
        return lonDegrees_;
    case LocationField::LatitudeMinutes:
        return latMinutes_;
    case LocationField::LongitudeMinutes:
        return lonMinutes_;
    }
    return tree_;
}

QWidget* LocationPage::CheckAndWrite(IniFile& settings, Prompt& prompt, Sound& sound,
                                     const std::function<void()>& showPage) {
    TakeBoxes();
    if (const std::optional<LocationFeedback> failure = selection_.Check()) {
        if (showPage) showPage();
        Deliver(*failure, prompt, sound);
        return FieldWidget(failure->focus);
    }
    // The checks pass: this writes the five keys.
    selection_.CheckAndWrite(settings, prompt, sound);
    return nullptr;
}

}  // namespace orvanto
