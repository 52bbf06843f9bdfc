#pragma once

#include "EchteHilfeEngine.h"
#include "EchteModalAnzeige.h"
#include "EchteUhr.h"
#include "EchterZufall.h"
#include "EchtesSoundGeraet.h"
#include "EspeakSprachausgabe.h"
