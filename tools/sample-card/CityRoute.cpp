#include "sample-card/CityRoute.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMetresPerDegreeLatitude = 111320.0;
// A car does not turn on a point: within this distance of a corner its
// heading swings from the old street to the new one.
constexpr double kCornerRadius = 12.0;

double degreesToRadians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

CityRoute::CityRoute()
    : m_waypoints{
          {37.5663, 126.9779}, // Seoul City Hall, Sejong-daero northbound
          {37.5707, 126.9769}, // Sejongno crossing: right into Jong-ro
          {37.5700, 126.9831}, // Jonggak
          {37.5704, 126.9918}, // Jongno 3-ga: right, south
          {37.5663, 126.9916}, // Euljiro 3-ga
          {37.5610, 126.9910}, // Toegye-ro: right, west
          {37.5609, 126.9863}, // Myeongdong
          {37.5587, 126.9785}, // Hoehyeon
          {37.5600, 126.9753}, // Sungnyemun: right, north
          {37.5635, 126.9764}, // Sejong-daero
      } {
    m_starts.push_back(0.0);
    for (std::size_t i = 0; i < m_waypoints.size(); ++i) {
        const Waypoint& from = m_waypoints[i];
        const Waypoint& to = m_waypoints[(i + 1) % m_waypoints.size()];
        const double north = (to.latitude - from.latitude) * kMetresPerDegreeLatitude;
        const double east = (to.longitude - from.longitude) * kMetresPerDegreeLatitude *
                            std::cos(degreesToRadians(from.latitude));
        m_starts.push_back(m_starts.back() + std::hypot(north, east));
        m_headings.push_back(
            std::fmod(std::atan2(east, north) * 180.0 / std::numbers::pi + 360.0, 360.0));
    }
}

double CityRoute::wrap(double distance) const {
    const double wrapped = std::fmod(distance, length());
    return wrapped < 0 ? wrapped + length() : wrapped;
}

std::size_t CityRoute::legAt(double loopDistance) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), loopDistance);
    return std::min<std::size_t>(static_cast<std::size_t>(after - m_starts.begin()) - 1,
                                 m_waypoints.size() - 1);
}

double CityRoute::turnBetween(double fromHeading, double toHeading) {
    double turn = std::fmod(toHeading - fromHeading, 360.0);
    if (turn > 180.0) {
        turn -= 360.0;
    } else if (turn <= -180.0) {
        turn += 360.0;
    }
    return turn;
}

double CityRoute::turnAt(std::size_t waypoint) const {
    const std::size_t arriving = (waypoint + m_waypoints.size() - 1) % m_waypoints.size();
    return turnBetween(m_headings[arriving], m_headings[waypoint]);
}

CityRoute::Place CityRoute::placeAt(double distance) const {
    const double at = wrap(distance);
    const std::size_t leg = legAt(at);
    const Waypoint& from = m_waypoints[leg];
    const Waypoint& to = m_waypoints[(leg + 1) % m_waypoints.size()];
    const double into = at - m_starts[leg];
    const double legLength = m_starts[leg + 1] - m_starts[leg];
    const double fraction = legLength > 0 ? into / legLength : 0.0;

    Place place;
    place.latitude = from.latitude + (to.latitude - from.latitude) * fraction;
    place.longitude = from.longitude + (to.longitude - from.longitude) * fraction;
    place.heading = m_headings[leg];
    const double untilEnd = legLength - into;
    if (into < kCornerRadius) {
        place.heading -= turnAt(leg) * (0.5 - into / (2 * kCornerRadius));
    } else if (untilEnd < kCornerRadius) {
        place.heading +=
            turnAt((leg + 1) % m_waypoints.size()) * (0.5 - untilEnd / (2 * kCornerRadius));
    }
    place.heading = std::fmod(place.heading + 360.0, 360.0);
    return place;
}

CityRoute::Corner CityRoute::nextCorner(double distance) const {
    const double at = wrap(distance);
    const std::size_t leg = legAt(at);
    return {m_starts[leg + 1] - at, turnAt((leg + 1) % m_waypoints.size())};
}
