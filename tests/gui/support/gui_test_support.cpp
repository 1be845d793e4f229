#include "gui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>

#include "app/main_form.h"
#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/slots.h"

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

void movePicture(TMDIChild* document, QPoint at) {
    // A plain move event, as the window system sends while the pointer
    // travels over the picture with no button down.
    QMouseEvent move(QEvent::MouseMove, at, document->Image->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(document->Image, &move);
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
