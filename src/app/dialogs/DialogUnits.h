// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dialog-unit geometry moved to ui/, where the score dialogs can reach it without
// depending on app/. This header keeps the app's own includes working.
#include "ui/DialogUnits.h"
