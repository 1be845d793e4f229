// The status-bar line that tells why a command or a click left the document
// as it was. The next pointer move over a picture, or a hint, replaces it.
#include <QStatusBar>
#include <QToolButton>

#include "app/main_form.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"

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
        case Unchanged::NotOnLine:
            statusLine->showMessage(
                "Щёлкните по нарисованной линии: скорость показывается в точке на линии");
            break;
    }
}

void TMainForm::explainIdleClick(TMDIChild& d, int x, int y) {
    // The tools that say so when pressed over a field that holds an element
    // stay down.
    if (elementToolDown() && !readConfiguration(d).isEmpty())
        return explain(Unchanged::ElementPresent);
    if (velocityTool->isChecked() && !d.carriesMarker(x, y)) explain(Unchanged::NotOnLine);
}
