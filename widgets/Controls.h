#pragma once

#include "widgets/Named.h"

class QAction;
class QBoxLayout;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QWidget;
class SpinArrows;

// Controls and arrangements that the main window, its panes and the drill windows share.

// A menu item with its object name, and its shortcut when one is given ("Ctrl+Q").
QAction* NamedMenuItem(QMenu* menu, const char* name, const char* caption,
                       const char* shortcut = nullptr);

QLabel* NamedLabel(const char* name, const char* text, QWidget* parent);

// The Greek display font Ortholex at a size in points.
QFont GreekFont(double points);

// A horizontal slider with a tick mark, and a page step, every step.
QSlider* NamedSlider(const char* name, int minimum, int maximum, int value, int step,
                     QWidget* parent);

// A frame holding a slider above the text that tells its value.
void LayOutSliderFrame(QGroupBox* frame, QSlider* slider, QLabel* text);

// A number field with its arrows beside it: only digits are typed, five of them fit, and the
// arrows are as tall as the field.
void SetUpNumberField(QLineEdit* field, SpinArrows* arrows);

// The leading number of a field's text, rounded to a whole number within 16 bits; 0 for none.
int FieldNumber(const QLineEdit* field);

// A pane's frames above its "Default Settings" and "Begin Drill" buttons, filling the pane.
void LayOutPane(QWidget* pane, QBoxLayout* frames, QPushButton* defaultButton,
                QPushButton* beginButton);
