// Colour settings: a swatch (a text-less label whose background colour is the
// setting), the small button beside it and the modal colour choice.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

#include "flow/surface.h"

class QColorDialog;
class QLabel;
class QToolButton;
class QWidget;

QLabel* makeSwatch(QWidget* parent, const QString& name, QColor colour, QRect geometry);
void setSwatchColor(QLabel* swatch, QColor colour);
// The swatch's background colour as the flow routines take colours.
flow::Color swatchColor(const QLabel* swatch);

QToolButton* makeColorButton(QWidget* parent, const QString& name, QRect geometry);

// A dialog's own colour chooser (objectName ColorDialog1), kept hidden until
// a colour button runs it.
QColorDialog* makeColorDialog(QWidget* parent, QColor initial);

// Presets the chooser to the swatch's colour and runs it modally; the chosen
// colour when the user confirms, nothing when he cancels.
std::optional<QColor> chooseColor(QColorDialog* chooser, const QLabel* swatch);
