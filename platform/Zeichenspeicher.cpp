#include "platform/Zeichenspeicher.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace varku {

Zeichenspeicher::Zeichenspeicher(QWidget& fenster) {
    if (!fenster.isWindow() || fenster.size().isEmpty())
        return;
    fenster.winId();
    QBackingStore* speicher = fenster.backingStore();
    if (!speicher)
        return;
    speicher->resize(fenster.size());
    const auto* bild = dynamic_cast<const QImage*>(speicher->paintDevice());
    if (!bild || bild->isNull())
        return;
    const auto seite = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto anfang = std::uintptr_t(bild->constBits()) & ~(seite - 1);
    const auto ende = std::uintptr_t(bild->constBits()) + std::uintptr_t(bild->sizeInBytes());
    // Schreibbar bereitgestellt, ohne etwas zu schreiben; kennt das System das nicht, bleibt es
    // beim Bereitstellen beim ersten Malen.
    m_faden = std::thread([this, anfang, ende] {
        m_bereit =
            madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_POPULATE_WRITE) == 0;
    });
}

Zeichenspeicher::~Zeichenspeicher() {
    warte();
}

bool Zeichenspeicher::warte() {
    if (m_faden.joinable())
        m_faden.join();
    return m_bereit;
}

} // namespace varku
