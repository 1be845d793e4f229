// Small makers shared by the settings dialogs, so every dialog's rows look
// alike.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QWidget;

// A bold 10-point black row caption at the given position.
QLabel* makeRowCaption(QWidget* parent, const QString& name, const QString& text, QPoint at);
// A label showing a setting's value, in the row captions' look; the fixed
// rectangle leaves room for the widest value.
QLabel* makeValueLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry);
// An etched frame grouping rows; the rows are made its children.
QFrame* makeGroupFrame(QWidget* parent, QRect geometry);

// Enables or disables a row's controls together.
void setRowEnabled(std::initializer_list<QWidget*> controls, bool enabled);

// A value label's caption read as an integer (strict conversion; throws
// ConversionError on a text that is not one).
int captionValue(const QLabel* label);
