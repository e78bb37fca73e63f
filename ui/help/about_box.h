// TAboutBox: the about box with the program's logo in the theme's colouring
// and the version line of this build.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

#include <string>

#include "core/sound.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

enum class LogoColoring { Blue, Sepia, Steel };

// Themes 0 and 2 blue, 1, 3 and 5 sepia, 4 steel ("Theme" outside 0..4 is
// theme 5).
LogoColoring LogoColoringForTheme(int themeIndex);
// "LOGOBLUE", "LOGOSEPIA", "LOGOSTEEL".
QString LogoName(LogoColoring coloring);
// The logo, 315 x 106, drawn at run time at a device pixel ratio.
QPixmap LogoPicture(LogoColoring coloring, qreal devicePixelRatio = 1.0);

struct ReleaseDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The release date of this build (from ORVANTO_RELEASE_DATE, "yyyy-mm-dd").
ReleaseDate BuildReleaseDate();
// The version of this build (ORVANTO_VERSION) with its last "." read as
// " build ".
std::string BuildVersionText(const std::string& fileVersion);

// "Version 1.2.3 build 456  (7/4/2001)": the date month first when
// dateFormat is 1, day first otherwise, without leading zeros. An empty
// version gives the bare "Version".
QString VersionLine(const std::string& fileVersion, const ReleaseDate& date, int dateFormat);

class TAboutBox : public ThemedDialog {
    Q_OBJECT
public:
    TAboutBox(int themeIndex, int dateFormat, Sound& sound, QWidget* parent = nullptr);

    void ApplyTheme(int themeIndex) override;
    LogoColoring Coloring() const { return coloring_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    DrawnPictureLabel* image_;
    QLabel* version_;
    QLabel* summary_;
    BevelButton* ok_;
    Sound& sound_;
    LogoColoring coloring_ = LogoColoring::Blue;
    bool soundPlayed_ = false;
};

}  // namespace orvanto

namespace orvanto {

// Shows the about box modally.
void OpenAboutBox(int themeIndex, int dateFormat, Sound& sound, QWidget* parent = nullptr);

}  // namespace orvanto
