#include "platform/ZRVMediaPlayer.h"
