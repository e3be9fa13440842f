#include "recording/DegreeMinutes.h"

#include <cmath>

double degreesFromDegreeMinutes(double value) {
    const double hundreds = value / 100.0;
    const double degrees = std::trunc(hundreds);
    return degrees + (hundreds - degrees) * 100.0 / 60.0;
}

void degreesFromDegreeMinutes(double* firstOut, double* secondOut, double first, double second) {
    if (firstOut != nullptr) {
        *firstOut = degreesFromDegreeMinutes(first);
    }
    if (secondOut != nullptr) {
        *secondOut = degreesFromDegreeMinutes(second);
    }
}
