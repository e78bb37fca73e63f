// Controls placed at the fixed positions of the program's window layouts.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace orvanto {

class BevelButton;

// A label at a rectangle; with a buddy, its accelerator moves the focus to it.
QLabel* MakeLabel(const QString& text, const QRect& at, QWidget* parent, QWidget* buddy = nullptr);

// A bevelled button with its objectName and caption at a rectangle.
BevelButton* MakeButton(const char* name, const QString& caption, const QRect& at, QWidget* parent);

}  // namespace orvanto
