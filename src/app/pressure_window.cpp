#include "app/pressure_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/errors.h"
#include "app/recent_files.h"
#include "document/document.h"
#include "document/pressure_chart.h"
#include "flow/geometry.h"

namespace {

// Paints the window's chart, when there is one, over its whole area.
class PressureChartView : public QWidget {
  public:
    explicit PressureChartView(const std::optional<BodyPressure>& body) : body_(body) {
        setObjectName("PressureChart");
        setMinimumSize(kPressureChartSize / 2);
    }
    QSize sizeHint() const override { return kPressureChartSize; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!body_) return;
        QPainter painter(this);
        paintPressureChart(painter, rect(), *body_);
    }

  private:
    const std::optional<BodyPressure>& body_;
};

}  // namespace

PressureWindow::PressureWindow(const flow::Settings& live, QWidget* parent)
    : QDialog(parent), live_(live) {
    setObjectName("PressureWindow");
    setWindowTitle("Давление на поверхности тела");
    setModal(false);
    chart_ = new PressureChartView(body_);
    message_ = new QLabel(
        "Для этого течения тело не определено: давление вдоль тела строится для цилиндра в "
        "потоке, истока или стока в потоке и овала Ренкина (исток и равный сток за ним в потоке).");
    message_->setObjectName("PressureMessage");
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const QString suffix : {"png", "svg", "csv"}) {
        auto* button = new QPushButton(suffix.toUpper() + "…");
        button->setObjectName("PressureExport" + suffix.toUpper());
        connect(button, &QPushButton::clicked, this, [this, suffix] { exportAs(suffix); });
        buttons->addWidget(button);
        exports_.append(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(message_, 1);
    layout->addLayout(buttons);
    resize(kPressureChartSize + QSize(24, 64));
    refresh();
}

void PressureWindow::setDocument(Document* document) {
    disconnect(following_);
    document_ = document;
    if (document)
        following_ = connect(document, &Document::stepsChanged, this, [this] { refresh(); });
    refresh();
}

void PressureWindow::refresh() {
    body_.reset();
    if (document_) {
        try {
            body_ = bodyPressureOf(document_->construction(), currentValues(live_));
        } catch (const flow::ConversionError&) {
            // A strength that is no integer leaves the flow, and its body, undefined.
        }
    }
    chart_->setVisible(body_.has_value());
    message_->setVisible(!body_);
    for (QPushButton* button : exports_) button->setEnabled(body_.has_value());
    chart_->update();
}

void PressureWindow::exportTo(const QString& fileName) const {
    if (body_) writePressureChart(*body_, fileName);
}

void PressureWindow::exportAs(const QString& suffix) {
    QFileDialog dialog(this);
    dialog.setObjectName("PressureSaveDialog");
    dialog.setWindowTitle("Сохранить график");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QString("%1 (*.%2)").arg(suffix.toUpper(), suffix), "All files (*)"});
    dialog.setDefaultSuffix(suffix);
    RecentFiles::startInLastFolder(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) return;
    // Another extension would write another form: the button's is added.
    if (QFileInfo(fileName).suffix().toLower() != suffix) fileName += '.' + suffix;
    RecentFiles::rememberFolderOf(fileName);
    runReportingErrors([&] { exportTo(fileName); });
}
