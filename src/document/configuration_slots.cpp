#include "document/configuration_slots.h"

#include <QLabel>

#include "document/mdi_child.h"
#include "document/slots.h"

namespace {

struct SlotOfValue {
    QLabel* TMDIChild::*slot;
    SlotValue Configuration::*value;
};

constexpr SlotOfValue kSlots[] = {
    {&TMDIChild::XCIL, &Configuration::centreX},
    {&TMDIChild::YCIL, &Configuration::centreY},
    {&TMDIChild::X2, &Configuration::secondX},
    {&TMDIChild::Y2, &Configuration::secondY},
    {&TMDIChild::Istok, &Configuration::source},
    {&TMDIChild::Stok, &Configuration::sink},
    {&TMDIChild::ISTOK2, &Configuration::sourcePartner},
    {&TMDIChild::STOK2, &Configuration::sinkPartner},
    {&TMDIChild::RCIL, &Configuration::radius},
    {&TMDIChild::Dipol, &Configuration::moment},
    {&TMDIChild::Vihrestok, &Configuration::boundary},
    {&TMDIChild::IorS, &Configuration::pointSource},
    {&TMDIChild::Vihr, &Configuration::vortex},
    {&TMDIChild::A, &Configuration::pair},
};

}  // namespace

Configuration readConfiguration(const TMDIChild& document) {
    Configuration configuration;
    for (const SlotOfValue& entry : kSlots) {
        const QLabel* slot = document.*entry.slot;
        configuration.*entry.value = SlotValue{slot->text(), slotFilled(slot)};
    }
    return configuration;
}

// An unset value leaves its slot as it is: slots are never cleared.
void writeConfiguration(const Configuration& configuration, TMDIChild& document) {
    for (const SlotOfValue& entry : kSlots) {
        const SlotValue& value = configuration.*entry.value;
        if (value.filled) writeSlot(document.*entry.slot, value.text);
    }
}

void mirrorConfiguration(const Configuration& configuration, TMDIChild& document) {
    for (const SlotOfValue& entry : kSlots) {
        const SlotValue& value = configuration.*entry.value;
        if (value.filled)
            writeSlot(document.*entry.slot, value.text);
        else
            clearSlot(document.*entry.slot);
    }
}
