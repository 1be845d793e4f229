// Helpers for GUI tests: answering modal dialogs, finding the program's
// controls, driving the picture with the mouse.
#pragma once

#include <sys/resource.h>

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class QWidget;
class TMainForm;
class TMDIChild;
class TProgram;

// Watches for the next modal dialog and hands it to the answer (which must
// close it). Make it before the action that opens the dialog.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer);
    ~ModalAnswer();
    bool answered() const { return answered_; }
    // The text of a message box that was answered, if it was one.
    QString text() const { return text_; }

  private:
    QTimer timer_;
    std::function<void(QWidget*)> answer_;
    bool answered_ = false;
    QString text_;
};

// A control by its object name, found below `owner`; a path "Panel1/Label3"
// looks for Label3 inside Panel1. Fails the test when there is none.
QObject* namedObject(const QObject* owner, const QString& path);
template <class T>
T* named(const QObject* owner, const QString& path) {
    auto* control = qobject_cast<T*>(namedObject(owner, path));
    if (!control) qFatal("no control %s", qPrintable(path));
    return control;
}

// Presses OK (or the default button) of the next message box.
ModalAnswer* acceptNextMessageBox();

// Mouse on a document's picture, in picture pixels.
void clickPicture(TMDIChild* document, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void movePicture(TMDIChild* document, QPoint at);
// The same with the left button held, as in a drag.
void moveHeld(TMDIChild* document, QPoint at);
// The velocity marker shown with its centre at the point and clicked.
void clickVelocityMarker(TMDIChild* document, QPoint at);

// Builds the whole program and shows its main window (at the given size, if
// any); false when the window never appeared.
bool startProgram(std::unique_ptr<TProgram>& program, TMainForm*& form, QSize size = {});

// Key presses carrying the text, as a keyboard layout of any script sends.
void typeText(QWidget* widget, const QString& text);

// A white picture, as a new document has.
QImage whitePicture(QSize size = {800, 600});

// A file's bytes (none when it cannot be read), and a file made of bytes.
QByteArray contents(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// Creates a new document through the menu item and returns it.
TMDIChild* newDocument(TMainForm& form);

// Answers the next file dialog by typing a name into it and confirming; a
// message box that follows (a question or an error) is answered too.
class SaveAs {
  public:
    SaveAs(const QString& folder, const QString& typed);
    QString dialogName() const { return name_; }
    QStringList filters() const { return filters_; }
    QString suffix() const { return suffix_; }
    // The text of a message box shown after the dialog, if any.
    QString followUp() const {
        return followUp_ && followUp_->answered() ? followUp_->text() : QString();
    }

  private:
    std::unique_ptr<ModalAnswer> followUp_;
    ModalAnswer dialog_;
    QString name_;
    QStringList filters_;
    QString suffix_;
};

// A new document holding the given slot values, centred at (400, 300).
TMDIChild* documentWith(TMainForm& form,
                        std::initializer_list<std::pair<const char*, QString>> values);

// Enables or disables the cylinder dialog's circulation row, as its tool
// buttons do.
void setCirculation(TProgram& program, bool on);

// Lowers a limit of the process (setrlimit) while it lives.
class ResourceLimit {
  public:
    ResourceLimit(int resource, rlim_t soft);
    ~ResourceLimit();
    ResourceLimit(const ResourceLimit&) = delete;
    ResourceLimit& operator=(const ResourceLimit&) = delete;

  private:
    int resource_;
    rlimit saved_{};
};

// Lets writes of the process fail beyond a few bytes, as on a full disk.
class FileSizeLimit {
  public:
    FileSizeLimit();

  private:
    ResourceLimit limit_;
};
