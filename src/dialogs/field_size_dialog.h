// The field-size dialog: width and height of new documents and the field W
// and H that placing and tracing read. The texts are the setting.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QLabel;
class QLineEdit;

class TOKBottomDlg7 : public TSettingsDialog {
    Q_OBJECT
  public:
    explicit TOKBottomDlg7(QWidget* parent = nullptr);

    // W and H as the flow routines read them: the texts of Edit2 and Edit1,
    // converted at each call. (A separate reader, since QWidget has its own
    // width() and height().)
    const flow::FieldSettings& fieldSettings() const { return reader_; }

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;  // height
    QLineEdit* Edit2;  // width

  protected:
    // Puts the defaults back into boxes that hold no integer, then hides.
    void BitBtn1Click() override;

  private:
    class Reader : public flow::FieldSettings {
      public:
        explicit Reader(const TOKBottomDlg7& dialog) : dialog_(dialog) {}
        int width() const override;
        int height() const override;

      private:
        const TOKBottomDlg7& dialog_;
    };
    Reader reader_{*this};
};
