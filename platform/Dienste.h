#pragma once

#include "platform/Drucker.h"
#include "platform/HilfeEngine.h"
#include "platform/ModalAnzeige.h"
#include "platform/Prozess.h"
#include "platform/SoundGeraet.h"
#include "platform/Sprachausgabe.h"
#include "platform/Uhr.h"
#include "platform/Zufall.h"

#include <functional>
#include <memory>

class QWidget;

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

// Wer wissen muss, wann ein Fenster modal aufgeht und wieder zu ist (ein Spiel hält dann seine
// Uhren an): gerufen mit offen = true vor dem Zeigen und mit false danach, auch wenn das Zeigen
// mit einem Fehler endet. Die Anmeldung gilt, solange ihr Rückgabewert lebt.
using ModalBeobachter = std::function<void(QWidget& fenster, bool offen)>;
class Beobachtung {
public:
    explicit Beobachtung(ModalBeobachter b);
    ~Beobachtung();
    Beobachtung(const Beobachtung&) = delete;
    Beobachtung& operator=(const Beobachtung&) = delete;

private:
    ModalBeobachter m_beobachter;
};

// alle echten Dienste einsetzen (in main, nach dem Anlegen der QApplication)
void setzeEchteDienste();
// alle Dienste entfernen (am Programmende und zwischen Tests)
void entferneAlle();

} // namespace dienste
} // namespace varku
