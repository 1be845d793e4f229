// The label editor over the picture: a new label typed where the text tool
// clicked, or a label already drawn opened to be retyped or, emptied,
// removed.
#include <QLineEdit>

#include "document/mdi_child.h"

void TMDIChild::openLabel(int x, int y) {
    dropLabelEdit();
    if (const std::optional<std::size_t> label = document_->labelAt(x, y)) {
        const auto& drawn = std::get<LabelStep>(document_->steps()[*label].action);
        editedLabel_ = label;
        EditText->setFont(drawn.font);
        EditText->setText(drawn.text);
        EditText->selectAll();
        x = drawn.x;
        y = drawn.y;
    }
    EditText->move(x, y);
    EditText->show();
    EditText->setFocus();
}

void TMDIChild::commitLabel() {
    const std::optional<std::size_t> label = editedLabel_;
    const QString text = EditText->text();
    closeLabelEditor();
    if (label)
        document_->retypeLabel(*label, text);
    else if (!text.isEmpty())
        document_->stampLabel(EditText->x(), EditText->y(), text);
}

void TMDIChild::dropLabelEdit() {
    if (editedLabel_) closeLabelEditor();
}

void TMDIChild::closeLabelEditor() {
    editedLabel_.reset();
    EditText->hide();
    EditText->clear();
    EditText->setFont(surface().qfont());
    setPointer(Qt::ArrowCursor);
}
