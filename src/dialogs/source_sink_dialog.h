// The source/sink dialog: source and sink strengths (kept in step with the
// main window's strength panel) and the colour of the source and sink
// regions' streamlines.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QColorDialog;
class QLabel;
class QSlider;
class QToolButton;

class TOKBottomDlg4 : public TSettingsDialog, public flow::SourceSinkSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg4(QWidget* parent = nullptr);

    QLabel* Label1;      // "Мощьность Истока Q :="
    QSlider* TrackBar1;  // source strength
    QLabel* Label3;
    QLabel* Label2;      // "Мощьность  Стока  Q :="
    QSlider* TrackBar2;  // sink strength
    QLabel* Label4;
    QLabel* Label8;  // "Цвет области Истока и Стока"
    QLabel* Label7;  // colour swatch
    QToolButton* SpeedButton1;
    QColorDialog* ColorDialog1;

    flow::Color regionColor() const override;
    int sourceStrength() const override;
    int sinkStrength() const;
    // The strengths as their captions show them.
    QString sourceText() const;
    QString sinkText() const;
    // Shows the dialog with only the source row usable, or only the sink row.
    void showRow(bool source);
    // Sets a strength's caption, then its position read from the caption, as
    // the strength panel does.
    void setSourceStrength(const QString& text);
    void setSinkStrength(const QString& text);

    void TrackBar1Change();
    void TrackBar2Change();
    void SpeedButton1Click();

  signals:
    // OK, before the dialog hides: the strengths go to the strength panel.
    void okPressed();

  protected:
    void BitBtn1Click() override;
};
