// The colour map commands: the active document's speed or pressure as
// colours under everything drawn, coloured as the colour map dialog says,
// or a word in the status line on why there is none.
#include <QStatusBar>

#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/colour_map_dialog.h"
#include "document/mdi_child.h"

void TMainForm::speedMapClick() {
    drawColourMap(flow::maps::MapQuantity::Speed);
}

void TMainForm::pressureMapClick() {
    drawColourMap(flow::maps::MapQuantity::Pressure);
}

void TMainForm::drawColourMap(flow::maps::MapQuantity quantity) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    runReportingErrors([&] {
        const TColourMapDialog& dialog = *dialogs_.colourMapDialog;
        const MapOptions options{dialog.fixedRange(), dialog.bands(), dialog.legend()};
        switch (d->document().drawMap(quantity, options, settingsOf(dialogs_))) {
            case Document::MapOutcome::Drawn:
                break;
            case Document::MapOutcome::NoElement:
                explain(Unchanged::NoElement);
                break;
            case Document::MapOutcome::NoStream:
                statusLine->showMessage(
                    "Поле давления не построено: коэффициенту давления нужен набегающий поток");
                break;
        }
    });
}
