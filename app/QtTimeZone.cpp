#include "app/QtTimeZone.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

class CQtTimeZone final : public TimeZone {
public:
    CQtTimeZone(std::string name, QTimeZone zone) : m_name(std::move(name)), m_zone(std::move(zone)) {}

    const std::string& Name() const override { return m_name; }

    ZoneOffset OffsetAt(std::int64_t posixSeconds) const override
    {
        const QDateTime moment = QDateTime::fromSecsSinceEpoch(posixSeconds, Qt::UTC);
        return {m_zone.offsetFromUtc(moment), m_zone.abbreviation(moment).toStdString()};
    }

private:
    std::string m_name;
    QTimeZone m_zone;
};

} // namespace

std::shared_ptr<const TimeZone> QtTimeZone(std::string_view name)
{
    if (name.empty()) {
        return nullptr;
    }
    const QByteArray id(name.data(), static_cast<qsizetype>(name.size()));
    if (!QTimeZone::isTimeZoneIdAvailable(id)) {
        return nullptr;
    }
    QTimeZone zone(id);
    if (!zone.isValid()) {
        return nullptr;
    }
    return std::make_shared<const CQtTimeZone>(std::string(name), std::move(zone));
}
