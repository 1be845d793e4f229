#include "dialogs/dialog_style.h"

#include <QFrame>
#include <QLabel>

#include "flow/geometry.h"

namespace {

QLabel* makeBoldLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font("DejaVu Sans", 10);
    font.setBold(true);
    label->setFont(font);
    // Black text while enabled; a disabled row still greys out.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

QLabel* makeRowCaption(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    QLabel* label = makeBoldLabel(parent, name, text);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel* makeValueLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    QLabel* label = makeBoldLabel(parent, name, text);
    label->setGeometry(geometry);
    return label;
}

QFrame* makeGroupFrame(QWidget* parent, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

int captionValue(const QLabel* label) {
    return flow::strToInt(label->text().toStdString());
}

void setRowEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) control->setEnabled(enabled);
}
