#pragma once

#include <string>
#include <vector>

// zorva-tool telemetry FILE [--format json|csv|gpx|kml|geojson|summary]
int runTelemetryCommand(const std::vector<std::string>& arguments);
