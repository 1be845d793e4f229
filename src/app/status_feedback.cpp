// The status-bar line that tells why a command or a click left the document
// as it was. The next pointer move over a picture, or a hint, replaces it.
#include <QStatusBar>

#include "app/main_form.h"

void TMainForm::explain(Unchanged why) {
    switch (why) {
        case Unchanged::NoElement:
            statusLine->showMessage("Нет элемента: сначала поставьте элемент на поле");
            break;
        case Unchanged::NoEquipotentials:
            statusLine->showMessage("Для этой конфигурации линии равного потенциала не строятся");
            break;
        case Unchanged::ElementPresent:
            statusLine->showMessage("На поле уже есть элемент");
            break;
        case Unchanged::NoCylinderInSuperposition:
            statusLine->showMessage(
                "В суперпозиции цилиндр собирается из диполя, потока и, если нужно, вихря");
            break;
    }
}
