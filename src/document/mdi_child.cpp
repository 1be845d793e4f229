#include "document/mdi_child.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>
#include <stdexcept>

#include "document/construction_limits.h"
#include "document/field_size_limit.h"
#include "document/picture_memory.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "flow/bounded_settings.h"
#include "flow/settings.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

void checkFieldSize(int width, int height) {
    if (const auto problem = fieldSizeProblem(width, height))
        throw std::runtime_error(problem->toStdString());
}

std::int64_t pictureBytes(int width, int height) {
    return std::int64_t{width} * height * 4;
}

QString megabytes(std::int64_t bytes) {
    return QString::number(static_cast<double>(bytes) / kMiB, 'f', 0);
}

}  // namespace

TMDIChild::TMDIChild() : document_(new Document(this)) {
    setObjectName("MDIChild");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget;
    // The picture scrolls when it is larger than the window; its children
    // (label editor, marker, theta label) stay in picture pixels.
    pictureArea_ = new QScrollArea;
    pictureArea_->setObjectName("ImageArea");
    pictureArea_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pictureArea_);
    Image = new TImage(surface(), nullptr);
    makeSlots(client);

    EditText = new QLineEdit(Image);
    EditText->setObjectName("EditText");
    EditText->setFrame(false);
    // No longer than a construction file keeps.
    EditText->setMaxLength(kMaxTextCharacters);
    EditText->setGeometry(8, 8, 17, 17);
    EditText->hide();

    Shape1 = new TShape(Image);

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

    pictureArea_->setWidget(Image);
    setWidget(client);
    pictureArea_->viewport()->installEventFilter(this);
    connect(Image, &TImage::pressed, this,
            [this](Qt::MouseButton button, QPoint at) { ImageMouseDown(button, at.x(), at.y()); });
    connect(Image, &TImage::moved, this, [this](QPoint at) { ImageMouseMove(at.x(), at.y()); });
    connect(Image, &TImage::released, this, &TMDIChild::pictureReleased);
    connect(Image, &TImage::doubleClicked, this, &TMDIChild::pictureDoubleClicked);
    connect(Image, &TImage::wheeled, this, &TMDIChild::pictureWheeled);
    connect(Image, &TImage::popupRequested, this, &TMDIChild::showPopupMenu);
    connect(Image, &TImage::left, Shape1, &QWidget::hide);
    connect(Shape1, &TShape::clicked, this, &TMDIChild::Shape1MouseDown);
    surface().setChangeListener([this] {
        QMetaObject::invokeMethod(Image, &TImage::repaintChanged, Qt::QueuedConnection);
    });
    surface().setFallbackSize([this] { return Image->size(); });
    connect(document_, &Document::stepsChanged, this, &TMDIChild::showSteps);
    connect(document_, &Document::captionChanged, this, &QWidget::setWindowTitle);
    connect(document_, &Document::linesCutShort, this, &TMDIChild::linesCutShort);
    connect(&document_->history(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
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

void TMDIChild::createPicture(const flow::FieldSettings& field, std::int64_t picturesInUse) {
    const int width = field.width();
    const int height = field.height();
    createPicture(QSize(width, height), picturesInUse);
}

void TMDIChild::createPicture(QSize size, std::int64_t picturesInUse) {
    const int width = size.width();
    const int height = size.height();
    checkFieldSize(width, height);
    if (picturesInUse + pictureBytes(width, height) > pictureMemoryBudget())
        throw PictureRefused(
            QString("Документ не создан: вместе с рисунками открытых документов рисунок "
                    "%1 x %2 занял бы больше %3 МБ (половины памяти компьютера). Закройте "
                    "ненужные документы или уменьшите размер поля.")
                .arg(width)
                .arg(height)
                .arg(megabytes(pictureMemoryBudget()))
                .toStdString());
    if (!surface().createPicture(width, height))
        throw PictureRefused(
            QString("Документ не создан: не хватает памяти для рисунка %1 x %2 (%3 МБ).")
                .arg(width)
                .arg(height)
                .arg(megabytes(pictureBytes(width, height)))
                .toStdString());
    fitPicture();
}

// The picture control covers the picture and at least the visible area;
// beyond the picture it shows the workspace colour.
void TMDIChild::fitPicture() {
    const QSize picture = surface().hasPicture() ? surface().image().size() : QSize();
    Image->resize(picture.expandedTo(pictureArea_->viewport()->size()));
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pictureArea_->viewport() && event->type() == QEvent::Resize) fitPicture();
    return QMdiSubWindow::eventFilter(watched, event);
}

Qt::CursorShape TMDIChild::pointer() const {
    return Image->cursor().shape();
}

void TMDIChild::setPointer(Qt::CursorShape shape) {
    Image->setCursor(shape);
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
}

bool TMDIChild::maybeSave(const std::function<bool()>& save) {
    if (!document_->isModified()) return true;
    if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QString("Сохранить построение «%1»?").arg(windowTitle()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window());
    box.setObjectName("SaveQuestion");
    box.setDefaultButton(QMessageBox::Save);
    const QPointer<TMDIChild> alive = this;
    const int answer = box.exec();
    if (!alive) return false;
    if (answer == QMessageBox::Discard) return true;
    if (answer == QMessageBox::Save) return save();
    return false;
}

void TMDIChild::ImageMouseMove(int x, int y) {
    emit pointerMoved({x, y});
}

void TMDIChild::ImageMouseDown(Qt::MouseButton button, int x, int y) {
    emit pictureClicked(button, {x, y});
}

void TMDIChild::Shape1MouseDown() {
    emit markerClicked();
}

void TMDIChild::showPopupMenu(const QPoint& globalPos) {
    emit popupRequested(globalPos);
}

void TMDIChild::showContourDraft(const QPainterPath& draft) {
    Image->setOverlay(draft);
}

bool TMDIChild::carriesMarker(int x, int y) const {
    const std::optional<flow::Color> colour = document_->surface().pixel(x, y);
    return colour && *colour != flow::kWhite;
}

void TMDIChild::trackMarker(int x, int y, bool velocityToolDown) {
    if (!velocityToolDown) {
        Shape1->hide();
        return;
    }
    if (!carriesMarker(x, y)) {
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
