// Text labels, the font of a document's labels, and saving the picture.
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/recent_files.h"
#include "document/mdi_child.h"
#include "document/picture_export.h"

namespace {

// The form a picture is saved in follows the file name's extension; any
// other extension gives a Windows bitmap.
void savePictureAs(TMDIChild& d, const QString& fileName) {
    writePicture(pictureFormatOf(fileName).value_or(PictureFormat::Bmp),
                 d.document().construction(), d.surface().image(), fileName);
    d.document().markSaved();
}

}  // namespace

// Down: the I-beam arms the text tool. Up: the label typed so far is drawn.
void TMainForm::SpeedButton7Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (textTool->isChecked())
        d->setPointer(Qt::IBeamCursor);
    else
        runReportingErrors([d] { d->commitLabel(); });
}

void TMainForm::N18Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    d->setPointer(Qt::IBeamCursor);
    press(textTool);
}

// The chosen font serves the active document's labels, letters and axis
// names, and its edit box.
void TMainForm::N16Click() {
    QPointer<TMDIChild> d = ActiveMDIChild();
    if (!d) return;
    // The dialog finds the style by its name: give it the one the font really
    // has, or it shows (and confirms) another style of the family.
    QFont preset = d->surface().qfont();
    if (preset.styleName().isEmpty()) preset.setStyleName(QFontInfo(preset).styleName());
    QFontDialog dialog(preset, this);
    dialog.setObjectName("FontDialog1");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || !d) return;
    const QFont chosen = dialog.selectedFont();
    d->surface().setQFont(chosen);
    d->EditText->setFont(chosen);
}

// An existing file is replaced without a question; the file name is not kept.
void TMainForm::FileSaveAsItemClick() {
    QPointer<TMDIChild> d = ActiveMDIChild();
    if (!d) return;
    QFileDialog dialog(this);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({"Bitmap files (*.bmp)", "PNG files (*.png)", "SVG files (*.svg)",
                           "PDF files (*.pdf)", "All files (*)"});
    dialog.setDefaultSuffix("bmp");
    RecentFiles::startInLastFolder(dialog);
    // A name typed without an extension gets the chosen type's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString suffix = filter.section("*.", 1).section(')', 0, 0);
        dialog.setDefaultSuffix(suffix.isEmpty() ? "bmp" : suffix);
    });
    if (dialog.exec() != QDialog::Accepted || !d) return;
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) return;
    RecentFiles::rememberFolderOf(fileName);
    runReportingErrors([&] { savePictureAs(*d, fileName); });
}
