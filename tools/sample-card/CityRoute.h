#pragma once

#include <vector>

// A loop of real streets in central Seoul, from Seoul City Hall up
// Sejong-daero, along Jong-ro, down to Euljiro and Toegye-ro and back past
// Sungnyemun: about five kilometres with right-angle turns and long straights,
// so a demo drive has corners, lights and fast stretches.
class CityRoute {
public:
    struct Place {
        double latitude = 0;  // decimal degrees, north
        double longitude = 0; // decimal degrees, east
        double heading = 0;   // degrees clockwise from north
    };
    struct Corner {
        double distanceAhead = 0; // metres to the next street corner
        double turn = 0;          // degrees, positive to the right
    };

    CityRoute();

    // Positions wrap around the loop, so any distance driven is a place on it.
    Place placeAt(double distance) const;
    Corner nextCorner(double distance) const;
    double length() const { return m_starts.back(); }
    // The turn from one heading to another, in (-180, 180], positive to the right.
    static double turnBetween(double fromHeading, double toHeading);

private:
    struct Waypoint {
        double latitude;
        double longitude;
    };

    std::size_t legAt(double loopDistance) const;
    double wrap(double distance) const;
    double turnAt(std::size_t waypoint) const;

    std::vector<Waypoint> m_waypoints;
    std::vector<double> m_starts; // distance of each waypoint from the first, plus the loop length
    std::vector<double> m_headings; // heading of the leg that leaves each waypoint
};
