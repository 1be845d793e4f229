#include "document/element_caption.h"

namespace sp = flow::superposition;

QString elementCaption(sp::ElementKind kind) {
    switch (kind) {
        case sp::ElementKind::Source:
            return "Исток";
        case sp::ElementKind::Sink:
            return "Сток";
        case sp::ElementKind::Vortex:
            return "Вихрь";
        case sp::ElementKind::Dipole:
            return "Диполь";
        case sp::ElementKind::VortexSource:
            return "Вихреисток";
        case sp::ElementKind::Stream:
            return "Поток";
    }
    return {};
}
