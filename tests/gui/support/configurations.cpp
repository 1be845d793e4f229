#include "configurations.h"

#include <QPushButton>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "gui_test_support.h"

namespace {

PlacedConfiguration withTool(const QString& name, QToolButton* TMainForm::*tool) {
    return {name, [tool](TMainForm& form, TMDIChild* d, QPoint at) {
                (form.*tool)->click();
                clickPicture(d, at);
            }};
}

// The cylinder tools open the dialog; its OK arms them.
PlacedConfiguration cylinder(const QString& name, QToolButton* TMainForm::*tool) {
    return {name, [tool](TMainForm& form, TMDIChild* d, QPoint at) {
                (form.*tool)->click();
                form.dialogs().OKBottomDlg->BitBtn1->click();
                clickPicture(d, at);
            }};
}

}  // namespace

const std::vector<PlacedConfiguration>& placedConfigurations() {
    static const std::vector<PlacedConfiguration> all = {
        withTool("point source", &TMainForm::SpeedButton11),
        withTool("vortex", &TMainForm::SpeedButton12),
        withTool("vortex-source", &TMainForm::SpeedButton9),
        withTool("dipole", &TMainForm::SpeedButton6),
        cylinder("cylinder", &TMainForm::SpeedButton2),
        cylinder("cylinder with circulation", &TMainForm::SpeedButton16),
        withTool("source in stream", &TMainForm::SpeedButton4),
        withTool("sink in stream", &TMainForm::SpeedButton5),
        {"source-sink pair",
         [](TMainForm& form, TMDIChild* d, QPoint at) {
             form.SpeedButton15->click();
             clickPicture(d, at - QPoint(100, 0));
             clickPicture(d, at + QPoint(100, 0));
         }},
    };
    return all;
}
