#include "flow/superposition/element_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "flow/quoted_value.h"

namespace flow::superposition {

namespace {

struct KindText {
    ElementKind kind;
    std::string_view name;
    std::string_view arguments;  // the command line's form after the name
};

constexpr std::array<KindText, 6> kKinds{{
    {ElementKind::Source, "source", "X,Y,Q"},
    {ElementKind::Sink, "sink", "X,Y,Q"},
    {ElementKind::Vortex, "vortex", "X,Y,Г"},
    {ElementKind::Dipole, "dipole", "X,Y,M,ANGLE"},
    {ElementKind::VortexSource, "vortex-source", "X,Y,Q,Г"},
    {ElementKind::Stream, "stream", "U,ANGLE"},
}};

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::optional<std::string> outside(const char* name, double value, double minimum, double maximum) {
    if (std::isfinite(value) && value >= minimum && value <= maximum) return std::nullopt;
    return std::string(name) + ": " + number(value) + " вне пределов " + number(minimum) + ".." +
           number(maximum);
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

std::optional<double> numberIn(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

std::string_view kindName(ElementKind kind) {
    for (const KindText& k : kKinds)
        if (k.kind == kind) return k.name;
    return {};
}

std::optional<ElementKind> kindNamed(std::string_view name) {
    for (const KindText& k : kKinds)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

bool hasPosition(ElementKind kind) {
    return kind != ElementKind::Stream;
}
bool hasStrength(ElementKind kind) {
    return kind != ElementKind::Vortex;
}
bool hasCirculation(ElementKind kind) {
    return kind == ElementKind::Vortex || kind == ElementKind::VortexSource;
}
bool hasAngle(ElementKind kind) {
    return kind == ElementKind::Dipole || kind == ElementKind::Stream;
}

std::optional<std::string> elementProblem(const Element& e) {
    if (auto p = outside("x", e.x, -kMaxPosition, kMaxPosition)) return p;
    if (auto p = outside("y", e.y, -kMaxPosition, kMaxPosition)) return p;
    switch (e.kind) {
        case ElementKind::Source:
        case ElementKind::Sink:
            return outside("Q", e.strength, 0, kMaxStrength);
        case ElementKind::Vortex:
            return outside("Г", e.circulation, -kMaxStrength, kMaxStrength);
        case ElementKind::VortexSource:
            if (auto p = outside("Q", e.strength, -kMaxStrength, kMaxStrength)) return p;
            return outside("Г", e.circulation, -kMaxStrength, kMaxStrength);
        case ElementKind::Dipole:
            if (auto p = outside("M", e.strength, 0, kMaxMoment)) return p;
            return outside("угол", e.angle, -kMaxAngle, kMaxAngle);
        case ElementKind::Stream:
            if (auto p = outside("U", e.strength, 0, kMaxSpeed)) return p;
            return outside("угол", e.angle, -kMaxAngle, kMaxAngle);
    }
    return std::nullopt;
}

std::variant<Element, std::string> parseElement(std::string_view text) {
    const std::vector<std::string_view> parts = fields(text);
    const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                    [&](const KindText& k) { return k.name == parts.front(); });
    if (found == kKinds.end())
        return "неизвестный элемент " + quoted(parts.front()) +
               ": ожидался source, sink, vortex, dipole, vortex-source или stream";
    const std::string form = std::string(found->name) + "," + std::string(found->arguments);
    const std::size_t expected = fields(found->arguments).size();
    if (parts.size() - 1 != expected) return quoted(text) + ": ожидалось " + form;
    std::vector<double> v;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto value = numberIn(parts[i]);
        if (!value)
            return quoted(text) + ": " + quoted(parts[i]) + " не число (ожидалось " + form + ")";
        v.push_back(*value);
    }
    Element e;
    switch (found->kind) {
        case ElementKind::Source:
            e = source(v[0], v[1], v[2]);
            break;
        case ElementKind::Sink:
            e = sink(v[0], v[1], v[2]);
            break;
        case ElementKind::Vortex:
            e = vortex(v[0], v[1], v[2]);
            break;
        case ElementKind::Dipole:
            e = dipole(v[0], v[1], v[2], v[3]);
            break;
        case ElementKind::VortexSource:
            e = vortexSource(v[0], v[1], v[2], v[3]);
            break;
        case ElementKind::Stream:
            e = stream(v[0], v[1]);
            break;
    }
    if (const auto problem = elementProblem(e)) return quoted(text) + ": " + *problem;
    return e;
}

}  // namespace flow::superposition
