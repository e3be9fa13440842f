#pragma once

#include <functional>

// Runs a job somewhere: the application posts it to its thread pool, the
// command-line tool and the tests run it inline or queue it by hand.
using ZRVExecutor = std::function<void(std::function<void()>)>;
