#pragma once

// Where the progress of long jobs is published besides the window icon:
// taskbars and docks that read the launcher API show it on the
// application's entry. Tests put a recording fake in its place.
class PMLauncherEntry {
public:
    virtual ~PMLauncherEntry() = default;
    // progress from 0 to 1; progressVisible false hides the progress.
    virtual void update(double progress, bool progressVisible) = 0;
};
