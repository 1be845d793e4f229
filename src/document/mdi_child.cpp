#include "document/mdi_child.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <stdexcept>

#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/field_size_dialog.h"
#include "document/picture_memory.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "flow/bounded_settings.h"

namespace {

// Largest picture a document makes: 16384 pixels a side and 256 MiB in all.
constexpr int kMaxSide = flow::kMaxFieldSide;
constexpr long long kMaxPixels = 64LL * 1024 * 1024;
constexpr double kMiB = 1024.0 * 1024.0;

void checkFieldSize(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
        static_cast<long long>(width) * height > kMaxPixels)
        throw std::runtime_error(
            QString("Размер поля %1 x %2 недопустим: ширина и высота должны быть от 1 до %3 "
                    "пикселей, а всё поле — не больше %4 пикселей (256 МБ).")
                .arg(width)
                .arg(height)
                .arg(kMaxSide)
                .arg(kMaxPixels)
                .toStdString());
}

std::int64_t pictureBytes(int width, int height) {
    return std::int64_t{width} * height * 4;
}

QString megabytes(std::int64_t bytes) {
    return QString::number(static_cast<double>(bytes) / kMiB, 'f', 0);
}

}  // namespace

TMDIChild::TMDIChild(TMainForm* mainForm) : mainForm_(mainForm) {
    setObjectName("MDIChild");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget;
    Image = new TImage(this, surface_, client);
    makeSlots(client);

    EditText = new QLineEdit(Image);
    EditText->setObjectName("EditText");
    EditText->setFrame(false);
    EditText->setGeometry(8, 8, 17, 17);
    EditText->hide();

    Shape1 = new TShape(this, Image);

    Image1 = new QLabel(Image);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(15, 20);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setStyleSheet("background: white; color: black; font-style: italic; font-size: 14px");
    Image1->setText(QString::fromUtf8("θ"));
    Image1->hide();

    Image2 = new QLabel(Image);
    Image2->setObjectName("Image2");
    Image2->setFixedSize(12, 40);
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setText(QString::fromUtf8("↑"));
    Image2->hide();

    setWidget(client);
    // The picture fills the client area; the other children ride on it.
    Image->setGeometry(client->rect());
    client->installEventFilter(this);
    surface_.setChangeListener([this] {
        QMetaObject::invokeMethod(Image, &TImage::repaintChanged, Qt::QueuedConnection);
    });
    surface_.setFallbackSize([this] { return Image->size(); });
    FormCreate();
}

void TMDIChild::makeSlots(QWidget* holder) {
    XCIL = makeSlot(holder, "XCIL", "XCIL");
    YCIL = makeSlot(holder, "YCIL", "YCIL");
    RCIL = makeSlot(holder, "RCIL", "RCIL");
    Istok = makeSlot(holder, "Istok", "ISTOK");
    Stok = makeSlot(holder, "Stok", "STOK");
    X2 = makeSlot(holder, "X2", "X2");
    Y2 = makeSlot(holder, "Y2", "Y2");
    ISTOK2 = makeSlot(holder, "ISTOK2", "ISTOK2");
    STOK2 = makeSlot(holder, "STOK2", "STOK2");
    Dipol = makeSlot(holder, "Dipol", "DIPOL");
    Vihrestok = makeSlot(holder, "Vihrestok", "VIHRESTOK");
    IorS = makeSlot(holder, "IorS", "IorS");
    Vihr = makeSlot(holder, "Vihr", "Vihr");
    A = makeSlot(holder, "A", "A");
}

// Makes the white picture of the field size. A size that is no integer or
// out of bounds is reported; the document then gets a white picture as large
// as its picture area at the first use of its surface. A picture that would
// take the open documents' pictures past the memory budget, or whose memory
// cannot be had, is reported and refuses the document.
void TMDIChild::FormCreate() {
    runReportingErrors([this] {
        const flow::FieldSettings& field = mainForm_->dialogs().OKBottomDlg7->fieldSettings();
        const int width = field.width();
        const int height = field.height();
        checkFieldSize(width, height);
        std::int64_t inUse = pictureBytes(width, height);
        for (const TMDIChild* child : mainForm_->MDIChildren())
            inUse += child->surface_.pictureBytes();
        if (inUse > pictureMemoryBudget()) {
            pictureRefused_ = true;
            throw std::runtime_error(
                QString("Документ не создан: вместе с рисунками открытых документов рисунок "
                        "%1 x %2 занял бы больше %3 МБ (половины памяти компьютера). Закройте "
                        "ненужные документы или уменьшите размер поля.")
                    .arg(width)
                    .arg(height)
                    .arg(megabytes(pictureMemoryBudget()))
                    .toStdString());
        }
        if (!surface_.createPicture(width, height)) {
            pictureRefused_ = true;
            throw std::runtime_error(
                QString("Документ не создан: не хватает памяти для рисунка %1 x %2 (%3 МБ).")
                    .arg(width)
                    .arg(height)
                    .arg(megabytes(pictureBytes(width, height)))
                    .toStdString());
        }
    });
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize)
        Image->setGeometry(widget()->rect());
    return QMdiSubWindow::eventFilter(watched, event);
}

bool TMDIChild::isEmpty() const {
    for (const QLabel* slot : {Istok, RCIL, Stok, Dipol, Vihrestok, IorS, Vihr})
        if (slotFilled(slot)) return false;
    return true;
}

Qt::CursorShape TMDIChild::pointer() const {
    return Image->cursor().shape();
}

void TMDIChild::setPointer(Qt::CursorShape shape) {
    Image->setCursor(shape);
}

void TMDIChild::FormActivate() {
    TMainForm* m = mainForm_;
    if (slotEmpty(A) || slotFilled(X2)) return;
    m->Panel1->show();
    const bool sinkDue = slotFilled(Istok);
    m->setStrengthRowEnabled(false, sinkDue);
    m->setStrengthRowEnabled(true, !sinkDue);
    m->RadioButton2->setChecked(sinkDue);
    m->RadioButton1->setChecked(!sinkDue);
    TMainForm::press(m->SpeedButton15);
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
}

void TMDIChild::ImageMouseMove(int x, int y) {
    mainForm_->StatusBar->showMessage(QString("   %1,%2").arg(x).arg(y));
    if (!mainForm_->SpeedButton8->isChecked()) {
        Shape1->hide();
        return;
    }
    const std::optional<flow::Color> colour = surface_.pixel(x, y);
    if (colour && *colour == flow::kWhite) {
        Shape1->hide();
        return;
    }
    if (Shape1->isHidden()) {
        Shape1->move(x - 3, y - 3);
        Shape1->show();
    } else {
        Shape1->move(x - 5, y - 5);
    }
}

void TMDIChild::showPopupMenu(const QPoint& globalPos) {
    mainForm_->PopupMenu1->exec(globalPos);
}
