#pragma once

#include "platform/EchteHilfeEngine.h"
#include "platform/EchteModalAnzeige.h"
#include "platform/EchteUhr.h"
#include "platform/EchterProzess.h"
#include "platform/EchterZufall.h"
