// Die Klänge liegen im Programmordner, wo jeder sie tauschen kann: ein angenommener Kopf passt
// zu sich und zur Datei, die Dauer aus dem Anfang der Datei ist die der ganzen, und die Proben
// kommen nie hinter dem Ende der Datei her.
#include "platform/WavKopf.h"

#include <algorithm>
#include <cstdlib>

using namespace varku;

namespace {

// so viel lesen Klanggerät und Tonmodul, wenn sie nur die Dauer brauchen
constexpr qsizetype kopfBereich = 64 * 1024;

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

bool gleich(const WavKopf& a, const WavKopf& b) {
    return a.kanaele == b.kanaele && a.abtastrate == b.abtastrate &&
           a.bitsJeProbe == b.bitsJeProbe && a.gleitkomma == b.gleitkomma &&
           a.datenAnfang == b.datenAnfang && a.datenLaenge == b.datenLaenge;
}

quint32 le32(const QByteArray& b, qsizetype i) {
    quint32 z = 0;
    for (int k = 3; k >= 0; --k)
        z = z << 8 | uchar(b[i + k]);
    return z;
}

// so viele Bytes geben die Proben aus laenge Bytes der Datei
qint64 probenBytes(const WavKopf& k, qint64 laenge) {
    return k.bitsJeProbe == 24 ? laenge / 3 * 4 : laenge;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const std::optional<WavKopf> kopf = leseWavKopf(datei, datei.size());

    // gemessen wird am Anfang der Datei, gespielt die ganze: steht der data-Kopf im Anfang,
    // müssen beide dasselbe sagen, sonst hätte die Messung eine andere Dauer als der Klang
    const std::optional<WavKopf> vorn = leseWavKopf(datei.left(kopfBereich), datei.size());
    if (vorn)
        pruefe(kopf && gleich(*kopf, *vorn));
    if (kopf && kopf->datenAnfang <= kopfBereich)
        pruefe(vorn.has_value());
    const std::optional<int> dauer = wavDauerMs(datei.left(kopfBereich), datei.size());
    if (!kopf)
        return 0;

    const WavKopf& k = *kopf;
    pruefe(k.kanaele >= 1 && k.kanaele <= 8);
    pruefe(k.abtastrate >= 4000 && k.abtastrate <= 384000);
    pruefe(k.bitsJeProbe == 8 || k.bitsJeProbe == 16 || k.bitsJeProbe == 24 || k.bitsJeProbe == 32);
    pruefe(!k.gleitkomma || k.bitsJeProbe == 32);
    const int block = k.blockGroesse();
    pruefe(block >= 1);
    // RIFF-Kopf, fmt-Block mit mindestens 16 Bytes und der data-Kopf liegen davor
    pruefe(k.datenAnfang >= 44 && k.datenAnfang <= datei.size());
    pruefe(k.datenLaenge >= 0 && k.datenLaenge % block == 0);
    pruefe(k.datenAnfang + k.datenLaenge <= datei.size());
    // die kleinere aus Angabe und Vorhandenem, auf ganze Blöcke gekürzt
    const qint64 angegeben = le32(datei, k.datenAnfang - 4);
    const qint64 da = std::min(angegeben, qint64(datei.size()) - k.datenAnfang);
    pruefe(k.datenLaenge == da - da % block);

    // aufgerundete Millisekunden
    const int ms = k.dauerMs();
    const qint64 jeSekunde = qint64(k.abtastrate) * block;
    if (k.datenLaenge == 0)
        pruefe(ms == 0);
    else
        pruefe(ms > 0 && qint64(ms) * jeSekunde >= k.datenLaenge * 1000 &&
               qint64(ms - 1) * jeSekunde < k.datenLaenge * 1000);
    if (dauer)
        pruefe(*dauer == ms);

    const QByteArray proben = wavProben(datei, k);
    pruefe(proben.size() == probenBytes(k, k.datenLaenge));
    const QByteArrayView roh = QByteArrayView(datei).sliced(k.datenAnfang, k.datenLaenge);
    if (k.bitsJeProbe != 24) {
        pruefe(proben == roh);
    } else {
        // dieselbe Probe, oben in 32 Bit
        for (qsizetype q = 0, z = 0; q + 3 <= roh.size(); q += 3, z += 4)
            pruefe(proben[z] == 0 && proben[z + 1] == roh[q] && proben[z + 2] == roh[q + 1] &&
                   proben[z + 3] == roh[q + 2]);
    }

    // ist die Datei inzwischen kürzer als der Kopf sagt, kommt nichts hinter ihrem Ende her
    for (const qsizetype laenge : {qsizetype(0), k.datenAnfang, k.datenAnfang + block / 2,
                                   k.datenAnfang + k.datenLaenge / 2}) {
        const QByteArray kurz = datei.left(laenge);
        const QByteArray teil = wavProben(kurz, k);
        const qint64 vorhanden = std::max<qint64>(0, kurz.size() - k.datenAnfang);
        pruefe(teil.size() <= probenBytes(k, vorhanden));
        pruefe(teil == proben.left(teil.size()));
    }
    return 0;
}
