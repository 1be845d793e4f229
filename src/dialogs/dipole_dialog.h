// The dipole dialog: the dipole moment M that the placing reads from Label2.
#pragma once

#include "dialogs/settings_dialog.h"
#include "dialogs/up_down.h"

class QLabel;

class TOKBottomDlg6 : public TSettingsDialog {
    Q_OBJECT
  public:
    explicit TOKBottomDlg6(QWidget* parent = nullptr);

    QLabel* Label1;  // "Дипольный момент :"
    QLabel* Label2;  // the moment
    TUpDown* UpDown1;

    // The moment as a placed dipole records it.
    QString momentText() const;

    void UpDown1Click(TUpDown::Direction direction);
};
