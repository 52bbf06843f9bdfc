#include "platform/EchterDrucker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace varku {

namespace {

constexpr double twipsJeZoll = 1440.0;
constexpr double zollJeMeter = 1.0 / 0.0254;
// ein Dokument braucht Luft um sich: so viel Rand, wenn der Drucker weniger verlangt
constexpr double mindestRandMm = 20.0;
const QColor balkenFarbe(0x24, 0x3b, 0x5a);

QString sichererName(const QString& dokument) {
    QString name;
    for (QChar c : dokument)
        name += (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
    name = name.trimmed();
    // ein Name aus Punkten wäre ein Ordner
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("Dokument"));
    return name;
}

} // namespace

EchterDrucker::EchterDrucker(QString grafikOrdner, QString userOrdner, Ausgabe ausgabe)
    : m_grafikOrdner(std::move(grafikOrdner)), m_userOrdner(std::move(userOrdner)),
      m_ausgabe(ausgabe), m_messbild(1, 1, QImage::Format_RGB32) {
    const int dpm = qRound(twipsJeZoll * zollJeMeter);
    m_messbild.setDotsPerMeterX(dpm);
    m_messbild.setDotsPerMeterY(dpm);
    setzeSchrift(QStringLiteral("Arial"), 10, false, false);
}

EchterDrucker::~EchterDrucker() {
    schliesse();
}

QString EchterDrucker::pdfPfad(const QString& ordner, const QString& dokument,
                               const QDateTime& zeit) {
    const QString basis = ordner + QLatin1Char('/') + sichererName(dokument) + QLatin1Char(' ') +
                          zeit.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    // eine frühere Datei wird nie überschrieben
    QString pfad = basis + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(pfad); ++n)
        pfad = basis + QStringLiteral(" (%1).pdf").arg(n);
    return pfad;
}

bool EchterDrucker::beginne(const QString& dokument) {
    schliesse();
    m_ziel.clear();
    m_pdfDatei.clear();
    const QPrinterInfo info =
        m_ausgabe == Ausgabe::DruckerOderPdf ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
    if (!info.isNull()) {
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        m_ziel = info.printerName();
    } else {
        if (!QDir().mkpath(m_userOrdner))
            return false;
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_pdfDatei = pdfPfad(m_userOrdner, dokument, QDateTime::currentDateTime());
        m_printer->setOutputFileName(m_pdfDatei);
        m_ziel = m_pdfDatei;
    }
    m_printer->setDocName(dokument);
    m_printer->setCreator(QStringLiteral("VARKU"));
    // Lagen zählen von der Ecke des Blattes, nicht vom bedruckbaren Bereich
    m_printer->setFullPage(true);

    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_printer.reset();
        if (!m_pdfDatei.isEmpty())
            QFile::remove(m_pdfDatei);
        m_ziel.clear();
        return false;
    }
    m_painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                              QPainter::SmoothPixmapTransform);
    m_x = m_y = 0;
    return true;
}

bool EchterDrucker::beende() {
    if (!m_painter)
        return false;
    bool ok = m_painter->end();
    if (m_printer->printerState() == QPrinter::Error ||
        m_printer->printerState() == QPrinter::Aborted)
        ok = false;
    if (!m_pdfDatei.isEmpty() && QFileInfo(m_pdfDatei).size() <= 0)
        ok = false;
    m_painter.reset();
    m_printer.reset();
    return ok;
}

void EchterDrucker::verwirf() {
    if (m_painter && m_painter->isActive()) {
        // ein PDF lässt sich nicht abbrechen, es wird gelöscht
        if (m_pdfDatei.isEmpty())
            m_printer->abort();
        m_painter->end();
    }
    m_painter.reset();
    m_printer.reset();
    if (!m_pdfDatei.isEmpty())
        QFile::remove(m_pdfDatei);
    m_ziel.clear();
}

void EchterDrucker::schliesse() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_printer.reset();
}

void EchterDrucker::neueSeite() {
    if (m_printer && m_painter && m_painter->isActive())
        m_printer->newPage();
    m_x = m_y = 0;
}

QRectF EchterDrucker::seitenbereich() const {
    QPageLayout lage;
    if (m_printer) {
        lage = m_printer->pageLayout();
    } else {
        lage = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    }
    lage.setUnits(QPageLayout::Millimeter);
    const QRectF blatt = lage.fullRect();
    const QMarginsF mindest = lage.minimumMargins();
    const auto rand = [](double m) { return std::max(m, mindestRandMm); };
    QRectF bereich = blatt.adjusted(rand(mindest.left()), rand(mindest.top()),
                                    -rand(mindest.right()), -rand(mindest.bottom()));
    // in Twips: 1440 je Zoll, 25,4 mm je Zoll
    const double f = twipsJeZoll / 25.4;
    return QRectF(bereich.left() * f, bereich.top() * f, bereich.width() * f, bereich.height() * f);
}

const QPaintDevice* EchterDrucker::messflaeche() const {
    if (m_printer && m_painter && m_painter->isActive())
        return m_printer.get();
    return &m_messbild;
}

double EchterDrucker::geraet(double t) const {
    return t * messflaeche()->logicalDpiY() / twipsJeZoll;
}

double EchterDrucker::twips(double g) const {
    return g * twipsJeZoll / messflaeche()->logicalDpiY();
}

void EchterDrucker::setzeSchrift(const QString& name, double groesse, bool fett, bool kursiv) {
    QFont f(name);
    f.setPointSizeF(groesse > 0 ? groesse : 10);
    f.setBold(fett);
    f.setItalic(kursiv);
    // gemessen wird, wie gedruckt wird: ohne Anpassung an ein Bildschirmraster
    f.setHintingPreference(QFont::PreferNoHinting);
    m_schrift = f;
}

double EchterDrucker::textBreite(const QString& text) const {
    return twips(QFontMetricsF(m_schrift, messflaeche()).horizontalAdvance(text));
}

double EchterDrucker::zeilenHoehe() const {
    return twips(QFontMetricsF(m_schrift, messflaeche()).lineSpacing());
}

void EchterDrucker::druckeZeile(const QString& text) {
    if (m_painter && m_painter->isActive() && !text.isEmpty()) {
        // die Zeile steht mit ihrer Oberkante an y; QPainter setzt auf die Grundlinie
        const QFontMetricsF massstab(m_schrift, messflaeche());
        m_painter->setFont(m_schrift);
        m_painter->setPen(Qt::black);
        m_painter->drawText(QPointF(geraet(m_x), geraet(m_y) + massstab.ascent()), text);
    }
    m_x = 0;
    m_y += zeilenHoehe();
}

void EchterDrucker::rechteck(double x1, double y1, double x2, double y2) {
    if (!m_painter || !m_painter->isActive())
        return;
    const QRectF r(QPointF(geraet(std::min(x1, x2)), geraet(std::min(y1, y2))),
                   QPointF(geraet(std::max(x1, x2)), geraet(std::max(y1, y2))));
    if (r.width() > 0 && r.height() > 0)
        m_painter->fillRect(r, balkenFarbe);
}

const QImage& EchterDrucker::ladeBild(const QString& name) const {
    auto it = m_bilder.find(name);
    if (it != m_bilder.end())
        return *it;
    // ohne Rücksicht auf Groß- und Kleinschreibung, wie die Bilder benannt sind
    QString pfad = m_grafikOrdner + QLatin1Char('/') + name;
    if (!QFileInfo(pfad).isFile()) {
        const QStringList eintraege = QDir(m_grafikOrdner).entryList(QDir::Files);
        for (const QString& e : eintraege)
            if (e.compare(name, Qt::CaseInsensitive) == 0)
                pfad = m_grafikOrdner + QLatin1Char('/') + e;
    }
    QImage bild;
    bild.load(pfad);
    return *m_bilder.insert(name, bild);
}

QSizeF EchterDrucker::bildGroesse(const QString& name) const {
    const QImage& b = ladeBild(name);
    if (b.isNull())
        return {0, 0};
    // die Größe steht in der Auflösung des Bildes; ohne Angabe 96 Punkte je Zoll
    const auto twipsJePunkt = [](int dpm) {
        return twipsJeZoll * zollJeMeter / (dpm > 0 ? dpm : 96 * zollJeMeter);
    };
    return {b.width() * twipsJePunkt(b.dotsPerMeterX()),
            b.height() * twipsJePunkt(b.dotsPerMeterY())};
}

void EchterDrucker::bild(const QString& name, double x, double y) {
    if (!m_painter || !m_painter->isActive())
        return;
    const QImage& b = ladeBild(name);
    if (b.isNull())
        return;
    const QSizeF g = bildGroesse(name);
    m_painter->drawImage(QRectF(geraet(x), geraet(y), geraet(g.width()), geraet(g.height())), b);
}

} // namespace varku
