#include "gui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <csignal>

#include "app/main_form.h"
#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "document/velocity_marker.h"

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer_.stop();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) text_ = box->text();
        answered_ = true;
        answer_(modal);
    });
    timer_.start();
}

ModalAnswer::~ModalAnswer() = default;

QObject* namedObject(const QObject* owner, const QString& path) {
    const QObject* found = owner;
    for (const QString& name : path.split('/')) {
        found = found->findChild<QObject*>(name);
        if (!found) return nullptr;
    }
    return const_cast<QObject*>(found);
}

ModalAnswer* acceptNextMessageBox() {
    return new ModalAnswer([](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
        } else {
            modal->close();
        }
    });
}

void clickPicture(TMDIChild* document, QPoint at, Qt::MouseButton button) {
    QTest::mouseClick(document->Image, button, Qt::NoModifier, at);
}

namespace {

// A move event, as the window system sends while the pointer travels over
// the picture with the buttons down.
void sendMove(TMDIChild* document, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, at, document->Image->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(document->Image, &move);
}

}  // namespace

void movePicture(TMDIChild* document, QPoint at) {
    sendMove(document, at, Qt::NoButton);
}

void moveHeld(TMDIChild* document, QPoint at) {
    sendMove(document, at, Qt::LeftButton);
}

void clickVelocityMarker(TMDIChild* document, QPoint at) {
    document->Shape1->move(at - QPoint(3, 3));
    document->Shape1->show();
    QTest::mouseClick(document->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QImage whitePicture(QSize size) {
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TMDIChild* newDocument(TMainForm& form) {
    named<QAction>(&form, "N8")->trigger();
    return form.ActiveMDIChild();
}

bool startProgram(std::unique_ptr<TProgram>& program, TMainForm*& form, QSize size) {
    program = std::make_unique<TProgram>();
    form = &program->mainForm();
    if (size.isValid()) form->resize(size);
    form->show();
    return QTest::qWaitForWindowExposed(form);
}

SaveAs::SaveAs(const QString& folder, const QString& typed)
    : dialog_([this, folder, typed](QWidget* modal) {
          auto* dialog = qobject_cast<QFileDialog*>(modal);
          if (!dialog) {
              modal->close();
              return;
          }
          name_ = dialog->objectName();
          filters_ = dialog->nameFilters();
          suffix_ = dialog->defaultSuffix();
          followUp_.reset(acceptNextMessageBox());
          dialog->setDirectory(folder);
          QLineEdit* name = dialog->findChild<QLineEdit*>("fileNameEdit");
          name->setText(typed);
          QTest::keyClick(name, Qt::Key_Return);
      }) {}

FileSizeLimit::FileSizeLimit() : limit_(RLIMIT_FSIZE, 100) {
    std::signal(SIGXFSZ, SIG_IGN);
}

TMDIChild* documentWith(TMainForm& form,
                        std::initializer_list<std::pair<const char*, QString>> values) {
    TMDIChild* doc = newDocument(form);
    writeSlot(doc->XCIL, 400);
    writeSlot(doc->YCIL, 300);
    for (const auto& [name, value] : values) writeSlot(doc->findChild<QLabel*>(name), value);
    return doc;
}

void setCirculation(TProgram& program, bool on) {
    TOKBottomDlg* cylinder = program.dialogs().cylinderDialog;
    for (QWidget* control :
         {static_cast<QWidget*>(cylinder->Label3), static_cast<QWidget*>(cylinder->TrackBar2),
          static_cast<QWidget*>(cylinder->Label5)})
        control->setEnabled(on);
}

ResourceLimit::ResourceLimit(int resource, rlim_t soft) : resource_(resource) {
    getrlimit(resource_, &saved_);
    rlimit lowered = saved_;
    lowered.rlim_cur = soft;
    setrlimit(resource_, &lowered);
}

ResourceLimit::~ResourceLimit() {
    setrlimit(resource_, &saved_);
}
