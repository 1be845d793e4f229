// Text labels, the font of a document's labels, and saving the picture.
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QImageWriter>
#include <QLineEdit>
#include <QPointer>
#include <QSaveFile>
#include <QToolButton>
#include <stdexcept>

#include "app/errors.h"
#include "app/main_form.h"
#include "document/mdi_child.h"

namespace {

// Burns the typed label into the picture where the edit box stands, in the
// picture's font and brush, and puts the box away empty.
void commitLabel(TMDIChild& d) {
    QLineEdit* edit = d.EditText;
    if (!edit->text().isEmpty())
        d.surface().textOut(edit->x(), edit->y(), edit->text().toStdString());
    edit->hide();
    d.setPointer(Qt::ArrowCursor);
    edit->clear();
}

[[noreturn]] void failSaving(const QString& fileName, const QString& reason) {
    throw std::runtime_error(QString("Не удалось сохранить рисунок в файл «%1»: %2")
                                 .arg(QDir::toNativeSeparators(fileName), reason)
                                 .toStdString());
}

// Writes the picture as a Windows bitmap. The file is written aside and put
// in place only when complete, so a failed save leaves an earlier file whole;
// where the folder allows no file beside it, the file is written in place.
// A failure names the system's reason (a full disk, say) when there is one.
void saveBitmap(const QImage& picture, const QString& fileName) {
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) failSaving(fileName, file.errorString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture)) {
        // The writer knows only that writing failed; the file knows why.
        file.flush();
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        failSaving(fileName, reason);
    }
    if (!file.commit()) failSaving(fileName, file.errorString());
}

}  // namespace

// Down: the I-beam arms the text tool. Up: the label typed so far is drawn.
void TMainForm::SpeedButton7Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (textTool->isChecked())
        d->setPointer(Qt::IBeamCursor);
    else
        commitLabel(*d);
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
    dialog.setNameFilter("Bitmap files (*.bmp);;All files (*)");
    dialog.setDefaultSuffix("bmp");
    if (dialog.exec() != QDialog::Accepted || !d) return;
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) return;
    runReportingErrors([&] { saveBitmap(d->surface().image(), fileName); });
}
