#include "flow/equipotentials/equipotential_pen.h"

namespace flow {

void setEquipotentialPen(const Canvas& canvas) {
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    canvas.surface.setPenWidth(dialog.lineWidth());
    canvas.surface.setPenColor(dialog.lineColor());
}

}  // namespace flow
