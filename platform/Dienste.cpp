#include "platform/Dienste.h"

#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <vector>

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

// Die Anzeige, wie die Programme sie bekommen: sie reicht an die eingesetzte weiter und sagt den
// Beobachtern, wann ein Fenster modal offen ist.
class BeobachteteAnzeige : public ModalAnzeige {
public:
    std::vector<ModalBeobachter*> beobachter;

    void zeigeModal(QWidget& fenster) override {
        struct Offen {
            BeobachteteAnzeige& a;
            QWidget& f;
            Offen(BeobachteteAnzeige& a, QWidget& f) : a(a), f(f) { a.melde(f, true); }
            ~Offen() { a.melde(f, false); }
        } offen(*this, fenster);
        innen().zeigeModal(fenster);
    }
    void entlasse(QWidget& fenster) override { innen().entlasse(fenster); }
    void zeige(QWidget& fenster) override { innen().zeige(fenster); }

private:
    static ModalAnzeige& innen();
    void melde(QWidget& fenster, bool offen) {
        // eine Kopie: ein Beobachter darf sich beim Melden ab- oder anmelden
        const std::vector<ModalBeobachter*> alle = beobachter;
        for (ModalBeobachter* b : alle)
            if (std::find(beobachter.begin(), beobachter.end(), b) != beobachter.end())
                (*b)(fenster, offen);
    }
};

BeobachteteAnzeige& beobachtete() {
    static BeobachteteAnzeige a;
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
ModalAnzeige& BeobachteteAnzeige::innen() {
    return pruefe(ablage().anzeige, "Anzeige");
}

ModalAnzeige& anzeige() {
    pruefe(ablage().anzeige, "Anzeige");
    return beobachtete();
}

Beobachtung::Beobachtung(ModalBeobachter b) : m_beobachter(std::move(b)) {
    beobachtete().beobachter.push_back(&m_beobachter);
}

Beobachtung::~Beobachtung() {
    auto& alle = beobachtete().beobachter;
    alle.erase(std::remove(alle.begin(), alle.end(), &m_beobachter), alle.end());
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
