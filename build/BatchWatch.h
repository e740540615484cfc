#pragma once

#include "build/BatchBuild.h"

// wendle --build --watch: builds every page as RunBatchBuild does, then keeps running and
// rebuilds a project's page whenever its project file or its template changes, however an
// editor saves it (in place, a new file renamed over the old one, or deleted and written
// again). A burst of changes builds once, 100 ms after the last. A file that disappears is
// reported once and watched for; when it comes back its pages are rebuilt. Each rebuild prints
// and fails as RunBatchBuild does. SIGINT and SIGTERM end it once the build in progress is
// done; it then gives 0.
int RunBatchWatch(const BatchBuild& batch, const ProfileStore& profile);
