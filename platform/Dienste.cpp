#include "platform/Dienste.h"

#include "platform/Laufzeitfehler.h"

namespace varku::dienste {

namespace {

struct Ablage {
    std::unique_ptr<Uhr> uhr;
    std::unique_ptr<Zufall> zufall;
    std::unique_ptr<ModalAnzeige> anzeige;
    std::unique_ptr<SoundGeraet> sound;
    std::unique_ptr<HilfeEngine> hilfe;
    std::unique_ptr<Sprachausgabe> sprache;
    std::unique_ptr<Prozess> prozess;
    std::unique_ptr<Drucker> drucker;
};

Ablage& ablage() {
    static Ablage a;
    return a;
}

template <typename T> T& pruefe(const std::unique_ptr<T>& p, const char* name) {
    if (!p)
        throw Laufzeitfehler(91, QStringLiteral("Dienst nicht eingerichtet"),
                             QString::fromLatin1(name));
    return *p;
}

} // namespace

Uhr& uhr() {
    return pruefe(ablage().uhr, "Uhr");
}
Zufall& zufall() {
    return pruefe(ablage().zufall, "Zufall");
}
ModalAnzeige& anzeige() {
    return pruefe(ablage().anzeige, "Anzeige");
}
SoundGeraet& sound() {
    return pruefe(ablage().sound, "Sound");
}
HilfeEngine& hilfe() {
    return pruefe(ablage().hilfe, "Hilfe");
}
Sprachausgabe& sprache() {
    return pruefe(ablage().sprache, "Sprache");
}
Prozess& prozess() {
    return pruefe(ablage().prozess, "Prozess");
}
Drucker& drucker() {
    return pruefe(ablage().drucker, "Drucker");
}

void setze(std::unique_ptr<Uhr> u) {
    ablage().uhr = std::move(u);
}
void setze(std::unique_ptr<Zufall> z) {
    ablage().zufall = std::move(z);
}
void setze(std::unique_ptr<ModalAnzeige> a) {
    ablage().anzeige = std::move(a);
}
void setze(std::unique_ptr<SoundGeraet> s) {
    ablage().sound = std::move(s);
}
void setze(std::unique_ptr<Sprachausgabe> s) {
    ablage().sprache = std::move(s);
}
void setze(std::unique_ptr<Prozess> p) {
    ablage().prozess = std::move(p);
}
void setze(std::unique_ptr<Drucker> d) {
    ablage().drucker = std::move(d);
}
void setze(std::unique_ptr<HilfeEngine> h) {
    ablage().hilfe = std::move(h);
}

void entferneAlle() {
    Ablage& a = ablage();
    a.drucker.reset();
    a.prozess.reset();
    a.sprache.reset();
    a.hilfe.reset();
    a.sound.reset();
    a.anzeige.reset();
    a.zufall.reset();
    a.uhr.reset();
}

} // namespace varku::dienste
