#pragma once

// One G-sensor sample in units of g, as the graph and the read-outs use it.
class ZRVGSensor {
public:
    float x = 0;
    float y = 0;
    float z = 0;

    ZRVGSensor() = default;
    ZRVGSensor(float x, float y, float z) : x(x), y(y), z(z) {}

    bool operator==(const ZRVGSensor&) const = default;
};
