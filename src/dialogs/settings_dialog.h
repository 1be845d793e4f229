// Base of the modeless settings dialogs: fixed size, close box only, centred
// on the screen at every Show, OK (Enter) and Cancel (Esc) buttons. Closing
// only hides; the controls keep their values.
#pragma once

#include <QDialog>

class QPushButton;

class TSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    TSettingsDialog(const QString& className, const QString& caption, QSize clientSize,
                    QWidget* parent = nullptr);

    // Make visible, centred on the screen, and bring to the front; an open
    // dialog is only brought to the front.
    void Show();

    QPushButton* BitBtn1;  // OK
    QPushButton* BitBtn2;  // Cancel

  protected:
    // OK and Cancel; both only hide unless a dialog says otherwise.
    virtual void BitBtn1Click();
    virtual void BitBtn2Click();
    // Esc and the close box cancel through here.
    void reject() override;
    // Places OK and Cancel side by side at the bottom of the client area.
    void placeButtons();

  private:
    QSize clientSize_;
};
