#pragma once

#include "platform/Drucker.h"
#include "platform/HilfeEngine.h"
#include "platform/ModalAnzeige.h"
#include "platform/Prozess.h"
#include "platform/SoundGeraet.h"
#include "platform/Sprachausgabe.h"
#include "platform/Uhr.h"
#include "platform/Zufall.h"

#include <memory>

namespace varku {

// Die Plattform eines Programms: main setzt einmal die echten Dienste ein, Tests ihre Doubles.
namespace dienste {

Uhr& uhr();
Zufall& zufall();
ModalAnzeige& anzeige();
SoundGeraet& sound();
HilfeEngine& hilfe();
Sprachausgabe& sprache();
Prozess& prozess();
Drucker& drucker();

void setze(std::unique_ptr<Uhr> u);
void setze(std::unique_ptr<Zufall> z);
void setze(std::unique_ptr<ModalAnzeige> a);
void setze(std::unique_ptr<SoundGeraet> s);
void setze(std::unique_ptr<HilfeEngine> h);
void setze(std::unique_ptr<Sprachausgabe> s);
void setze(std::unique_ptr<Prozess> p);
void setze(std::unique_ptr<Drucker> d);

// alle echten Dienste einsetzen (in main, nach dem Anlegen der QApplication)
void setzeEchteDienste();
// alle Dienste entfernen (am Programmende und zwischen Tests)
void entferneAlle();

} // namespace dienste
} // namespace varku
