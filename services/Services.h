#pragma once

#include "services/FilePrompt.h"
#include "services/Messages.h"
#include "services/ProfileStore.h"

// The platform services a window's commands reach prompts, messages and the profile through.
// The program passes the real ones; tests pass scripted ones.
struct Services {
    FilePrompt& prompt;
    Messages& messages;
    ProfileStore& profile;
};
