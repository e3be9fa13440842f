#include "app/ZRVMediaPlayer.h"
