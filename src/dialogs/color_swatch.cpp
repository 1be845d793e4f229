#include "dialogs/color_swatch.h"

#include <QColorDialog>
#include <QLabel>
#include <QToolButton>

#include "dialogs/dialog_glyphs.h"

QLabel* makeSwatch(QWidget* parent, const QString& name, QColor colour, QRect geometry) {
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(name);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setAutoFillBackground(true);
    swatch->setGeometry(geometry);
    setSwatchColor(swatch, colour);
    return swatch;
}

void setSwatchColor(QLabel* swatch, QColor colour) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
}

flow::Color swatchColor(const QLabel* swatch) {
    return flow::Color::of(swatch->palette().color(QPalette::Window));
}

QToolButton* makeColorButton(QWidget* parent, const QString& name, QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(colorChoiceGlyph());
    button->setGeometry(geometry);
    return button;
}

QColorDialog* makeColorDialog(QWidget* parent, QColor initial) {
    auto* chooser = new QColorDialog(initial, parent);
    chooser->setObjectName("ColorDialog1");
    chooser->setOption(QColorDialog::DontUseNativeDialog);
    chooser->setModal(true);
    return chooser;
}

std::optional<QColor> chooseColor(QColorDialog* chooser, const QLabel* swatch) {
    chooser->setCurrentColor(swatch->palette().color(QPalette::Window));
    if (chooser->exec() != QDialog::Accepted) return std::nullopt;
    return chooser->selectedColor();
}
