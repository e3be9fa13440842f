#include "platform/ZRVMapView.h"
