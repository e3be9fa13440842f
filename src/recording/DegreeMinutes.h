#pragma once

// NMEA writes angles as degrees × 100 + minutes (ddmm.mmmm, dddmm.mmmm); maps
// and exports want decimal degrees. The sign is kept, so a value that was
// given a hemisphere sign stays on its side.
double degreesFromDegreeMinutes(double value);

// Converts a latitude and a longitude in one call; a null place is skipped.
void degreesFromDegreeMinutes(double* firstOut, double* secondOut, double first, double second);
