#include "document/particle_snapshot_file.h"

#include <cmath>

#include "document/construction_file.h"
#include "document/construction_limits.h"
#include "flow/setting_values.h"

namespace {

// Within a picture's largest coordinates, in hundredths.
constexpr double kMostHundredths = 100.0 * flow::kMaxCoordinate;

}  // namespace

QJsonArray trailsToJson(const ParticleSnapshotStep& snapshot) {
    QJsonArray trails;
    for (const std::vector<flow::Point>& trail : snapshot.trails) {
        QJsonArray numbers;
        for (const flow::Point p : trail) {
            numbers.append(static_cast<qint64>(p.x));
            numbers.append(static_cast<qint64>(p.y));
        }
        trails.append(numbers);
    }
    return trails;
}

ParticleSnapshotStep snapshotFromJson(const QJsonValue& trails, const QString& where) {
    const auto fail = [&where](const QString& problem) {
        throw ConstructionFileError((where + problem).toStdString());
    };
    if (!trails.isArray() || trails.toArray().size() > kMaxSnapshotTrails)
        fail(QString("поле «trails» должно быть списком не больше %1 следов")
                 .arg(kMaxSnapshotTrails));
    ParticleSnapshotStep snapshot;
    for (const QJsonValue& trail : trails.toArray()) {
        const QJsonArray numbers = trail.toArray();
        if (!trail.isArray() || numbers.isEmpty() || numbers.size() % 2 != 0 ||
            numbers.size() > 2 * kMaxSnapshotTrailPoints)
            fail(QString("след частицы должен быть списком от 1 до %1 точек")
                     .arg(kMaxSnapshotTrailPoints));
        std::vector<flow::Point>& points = snapshot.trails.emplace_back();
        for (qsizetype i = 0; i < numbers.size(); i += 2) {
            const double x = numbers[i].toDouble(std::nan(""));
            const double y = numbers[i + 1].toDouble(std::nan(""));
            for (const double v : {x, y})
                if (!(std::abs(v) <= kMostHundredths) || std::trunc(v) != v)
                    fail(QString("точка следа частицы должна быть парой целых сотых пикселя "
                                 "не дальше %1 пикселей")
                             .arg(flow::kMaxCoordinate));
            points.push_back({static_cast<std::int64_t>(x), static_cast<std::int64_t>(y)});
        }
    }
    return snapshot;
}
