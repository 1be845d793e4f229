#include "dialogs/settings_dialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TSettingsDialog::TSettingsDialog(const QString& className, const QString& caption, QSize clientSize,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      clientSize_(clientSize) {
    setObjectName(className);
    setWindowTitle(caption);
    setModal(false);
    setFixedSize(clientSize);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    placeButtons();
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TSettingsDialog::placeButtons() {
    const int y = clientSize_.height() - 25 - 8;
    const int middle = clientSize_.width() / 2;
    BitBtn1->setGeometry(middle - 75 - 4, y, 75, 25);
    BitBtn2->setGeometry(middle + 4, y, 75, 25);
}

void TSettingsDialog::Show() {
    if (!isVisible()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        show();
    }
    raise();
    activateWindow();
}

void TSettingsDialog::BitBtn1Click() {
    hide();
}

void TSettingsDialog::BitBtn2Click() {
    hide();
}

void TSettingsDialog::reject() {
    BitBtn2Click();
}
