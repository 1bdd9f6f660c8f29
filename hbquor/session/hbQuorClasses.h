// SPDX-License-Identifier: MIT
// The session layer in one include: the session manager, the account
// sessions with their contact and channel entries, the event template,
// error texts, name rules and the VRT time helpers.
#pragma once

#include "hbQuorCentral.h"
#include "hbQuorErrors.h"
#include "hbQuorEvent.h"
#include "hbQuorText.h"
#include "hbQuorTime.h"
#include "hbQuorUnit.h"
#include "quor_names/names.h"
