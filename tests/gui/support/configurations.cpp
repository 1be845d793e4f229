#include "configurations.h"

#include <QPushButton>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "gui_test_support.h"

namespace {

PlacedConfiguration withTool(const QString& name, const char* tool) {
    return {name, [tool](TMainForm& form, TMDIChild* d, QPoint at) {
                named<QToolButton>(&form, tool)->click();
                clickPicture(d, at);
            }};
}

// The cylinder tools open the dialog; its OK arms them.
PlacedConfiguration cylinder(const QString& name, const char* tool) {
    return {name, [tool](TMainForm& form, TMDIChild* d, QPoint at) {
                named<QToolButton>(&form, tool)->click();
                form.dialogs().cylinderDialog->BitBtn1->click();
                clickPicture(d, at);
            }};
}

}  // namespace

const std::vector<PlacedConfiguration>& placedConfigurations() {
    static const std::vector<PlacedConfiguration> all = {
        withTool("point source", "SpeedButton11"),
        withTool("vortex", "SpeedButton12"),
        withTool("vortex-source", "SpeedButton9"),
        withTool("dipole", "SpeedButton6"),
        cylinder("cylinder", "SpeedButton2"),
        cylinder("cylinder with circulation", "SpeedButton16"),
        withTool("source in stream", "SpeedButton4"),
        withTool("sink in stream", "SpeedButton5"),
        {"source-sink pair",
         [](TMainForm& form, TMDIChild* d, QPoint at) {
             named<QToolButton>(&form, "SpeedButton15")->click();
             clickPicture(d, at - QPoint(100, 0));
             clickPicture(d, at + QPoint(100, 0));
         }},
    };
    return all;
}

TMDIChild* placedOnNewDocument(TMainForm& form, const QString& name) {
    TMDIChild* d = newDocument(form);
    for (const PlacedConfiguration& c : placedConfigurations())
        if (c.name == name) c.place(form, d, {400, 300});
    return d;
}
