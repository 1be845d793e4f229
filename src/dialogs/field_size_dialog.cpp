#include "dialogs/field_size_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_style.h"
#include "flow/geometry.h"

TOKBottomDlg7::TOKBottomDlg7(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg7", "Настройки поля", QSize(313, 143), parent) {
    Label2 = makeRowCaption(this, "Label2", "Ширина:", {16, 16});
    Edit2 = new QLineEdit("800", this);
    Edit2->setObjectName("Edit2");
    Edit2->setGeometry(120, 14, 120, 22);
    Label1 = makeRowCaption(this, "Label1", "Высота :", {16, 52});
    Edit1 = new QLineEdit("600", this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(120, 50, 120, 22);
    setTabOrder(Edit2, Edit1);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

int TOKBottomDlg7::Reader::width() const {
    return flow::strToInt(dialog_.Edit2->text().toStdString());
}

int TOKBottomDlg7::Reader::height() const {
    return flow::strToInt(dialog_.Edit1->text().toStdString());
}

void TOKBottomDlg7::BitBtn1Click() {
    if (!flow::isInteger(Edit1->text().toStdString())) Edit1->setText("600");
    if (!flow::isInteger(Edit2->text().toStdString())) Edit2->setText("800");
    hide();
}
