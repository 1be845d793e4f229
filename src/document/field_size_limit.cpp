#include "document/field_size_limit.h"

#include "flow/bounded_settings.h"

namespace {

constexpr int kMaxSide = flow::kMaxFieldSide;
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

}  // namespace

std::optional<QString> fieldSizeProblem(int width, int height) {
    if (width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
        static_cast<long long>(width) * height <= kMaxPixels)
        return std::nullopt;
    return QString(
               "Размер поля %1 x %2 недопустим: ширина и высота должны быть от 1 до %3 "
               "пикселей, а всё поле — не больше %4 пикселей (256 МБ).")
        .arg(width)
        .arg(height)
        .arg(kMaxSide)
        .arg(kMaxPixels);
}
