#pragma once

class ZRVMediaList;

// Told on the scanning worker once a scan's list has been published. The list
// is complete and may be read from any thread by then.
class ZRVMediaListDelegate {
public:
    virtual ~ZRVMediaListDelegate() = default;
    virtual void mediaListChanged(ZRVMediaList& list) = 0;
};
